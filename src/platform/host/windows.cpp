// Host stand-in for what the program asks of windows, the notification area and message boxes: fake
// windows that are a handle and a window procedure, and records of the icons and boxes shown.
#include <cstring>
#include <map>
#include <utility>

#include "platform/codepage.h"
#include "platform/host/control.h"

namespace {

struct WindowsState {
    std::map<HWND, WNDPROC> windows;
    std::uintptr_t nextWindow = 0x10010;
    std::map<std::pair<HWND, UINT>, std::string> icons;  // by window and identifier: the tip shown
    std::vector<hostenv::ShownMessageBox> boxes;
};

WindowsState& State() {
    static WindowsState state;
    return state;
}

}  // namespace

namespace hostenv {

HWND CreateFakeWindow(WNDPROC proc) {
    auto* const window = reinterpret_cast<HWND>(State().nextWindow);
    State().nextWindow += 0x10;
    State().windows[window] = proc;
    return window;
}

void DestroyFakeWindow(HWND window) {
    State().windows.erase(window);
}

WNDPROC FakeWindowProc(HWND window) {
    return State().windows.at(window);
}

LRESULT SendFakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FakeWindowProc(window)(window, message, wParam, lParam);
}

std::string ShownTrayTip(HWND window) {
    const auto it = State().icons.find({window, 0});
    return it == State().icons.end() ? std::string() : it->second;
}

std::size_t ShownTrayIconCount() {
    return State().icons.size();
}

void ResetShell() {
    State().icons.clear();
}

const std::vector<ShownMessageBox>& ShownMessageBoxes() {
    return State().boxes;
}

void ResetMessageBoxes() {
    State().boxes.clear();
}

}  // namespace hostenv

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    const auto it = State().windows.find(window);
    if (it == State().windows.end() || index != GWLP_WNDPROC) {
        return 0;
    }
    const WNDPROC previous = it->second;
    it->second = reinterpret_cast<WNDPROC>(value);
    return reinterpret_cast<LONG_PTR>(previous);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc(window, message, wParam, lParam);
}

// Only the first form of the record is modelled, the one the program passes.
BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data) {
    const std::pair<HWND, UINT> icon{data->hWnd, data->uID};
    const bool shown = State().icons.count(icon) != 0;
    if (data->cbSize != NOTIFYICONDATAA_V1_SIZE || shown == (message == NIM_ADD)) {
        return FALSE;
    }
    if (message == NIM_DELETE) {
        State().icons.erase(icon);
    } else if ((data->uFlags & NIF_TIP) != 0) {
        State().icons[icon].assign(data->szTip, strnlen(data->szTip, sizeof data->szTip));
    } else {
        State().icons[icon];
    }
    return TRUE;
}

int MessageBoxA(HWND, const char* text, const char* caption, UINT type) {
    State().boxes.push_back(hostenv::ShownMessageBox{text::FromAnsi(text), text::FromAnsi(caption), type});
    return IDOK;
}
