#include "system/tray.h"

#include <cstddef>
#include <cstring>

#include "platform/codepage.h"

namespace 托盘 {

namespace {

constexpr std::size_t kTipFieldSize = 64;
constexpr int kMinimized = 1;

// The first form of the record: its size and the tip's place differ between 32-bit and 64-bit builds.
static_assert(offsetof(NOTIFYICONDATAA, szTip) == (sizeof(void*) == 8 ? 40 : 24), "tip offset");
static_assert(NOTIFYICONDATAA_V1_SIZE == (sizeof(void*) == 8 ? 104 : 88), "first form of NOTIFYICONDATAA");
static_assert(offsetof(NOTIFYICONDATAA, uCallbackMessage) == (sizeof(void*) == 8 ? 24 : 16), "callback offset");

struct TrayState {
    TrayWindow* window = nullptr;
    WNDPROC previous = nullptr;
    NOTIFYICONDATAA data{};
};

TrayState& State() {
    static TrayState state;
    return state;
}

// The tip in the ANSI code page, cut at a character boundary so that it and its NUL fit the field.
std::string TipBytes(const std::wstring& tip) {
    std::wstring fitting = tip;
    std::string bytes = text::ToAnsi(fitting);
    while (bytes.size() >= kTipFieldSize) {
        fitting.pop_back();
        bytes = text::ToAnsi(fitting);
    }
    return bytes;
}

bool IsIconClick(LPARAM mouseMessage) {
    return mouseMessage == static_cast<LPARAM>(WM_LBUTTONUP) || mouseMessage == static_cast<LPARAM>(WM_RBUTTONUP);
}

}  // namespace

void addTrayIcon(TrayWindow& window) {
    TrayState& state = State();
    state.window = &window;
    state.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&trayWindowProc)));
    state.data.uID = 0;
    state.data.cbSize = static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE);
    state.data.hWnd = window.Handle();
    state.data.hIcon = window.Icon();
    state.data.uCallbackMessage = WM_TRAYCALLBACK;
    state.data.uFlags = NIF_MESSAGE | NIF_ICON;
    Shell_NotifyIconA(NIM_ADD, &state.data);
}

void setTrayTip(const std::wstring& tip) {
    TrayState& state = State();
    const std::string bytes = TipBytes(tip);
    std::memset(state.data.szTip, ' ', kTipFieldSize);
    std::memcpy(state.data.szTip, bytes.data(), bytes.size());
    state.data.szTip[bytes.size()] = '\0';
    state.data.uFlags = NIF_TIP;
    Shell_NotifyIconA(NIM_MODIFY, &state.data);
}

void removeTrayIcon() {
    TrayState& state = State();
    if (state.window == nullptr) {
        return;
    }
    state.data.uFlags = 0;
    Shell_NotifyIconA(NIM_DELETE, &state.data);
    SetWindowLongPtrA(state.window->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.previous));
    // previousWindowProc stays set: a message already inside trayWindowProc still has somewhere to go.
    state.window = nullptr;
}

LRESULT CALLBACK trayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TrayState& state = State();
    if (message == WM_TRAYCALLBACK && IsIconClick(lParam) && state.window != nullptr &&
        state.window->WindowState() == kMinimized) {
        state.window->SetVisible(true);
        state.window->SetWindowState(state.window->LastState());
        state.window->AfterRestore();
        return 0;
    }
    return CallWindowProcA(state.previous, window, message, wParam, lParam);
}

TrayWindow* trayWindow() {
    return State().window;
}

WNDPROC previousWindowProc() {
    return State().previous;
}

const NOTIFYICONDATAA& trayIconData() {
    return State().data;
}

}  // namespace 托盘
