#include "system/win/tray.h"

#include <cstring>

#include "text/gbk_bytes.h"
#include "text/win/codepage.h"

namespace 托盘 {

// Zero-initialised, so the icon identifier is 0.
NOTIFYICONDATAA trayIconData{};

namespace {

// The first form of the record, whose size differs between 32-bit and 64-bit builds.
static_assert(NOTIFYICONDATAA_V1_SIZE == (sizeof(void*) == 8 ? 104 : 88), "first form of NOTIFYICONDATAA");

TrayWindow* trayWindow = nullptr;
// Kept after the icon is removed: a message already inside trayWindowProc still has somewhere to go.
WNDPROC previousWindowProc = nullptr;

}  // namespace

void addTrayIcon(TrayWindow& window) {
    trayWindow = &window;
    previousWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&trayWindowProc)));
    trayIconData.cbSize = static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE);
    trayIconData.hWnd = window.Handle();
    trayIconData.hIcon = window.Icon();
    trayIconData.uCallbackMessage = WM_TRAYCALLBACK;
    trayIconData.uFlags = NIF_MESSAGE | NIF_ICON;
    Shell_NotifyIconA(NIM_ADD, &trayIconData);
}

void setTrayTip(const std::wstring& tip) {
    const std::string field = text::PaddedField(text::ToAnsi(tip), sizeof trayIconData.szTip);
    std::memcpy(trayIconData.szTip, field.data(), field.size());
    trayIconData.uFlags = NIF_TIP;
    Shell_NotifyIconA(NIM_MODIFY, &trayIconData);
}

void removeTrayIcon() {
    if (trayWindow == nullptr) {
        return;
    }
    trayIconData.uFlags = 0;
    Shell_NotifyIconA(NIM_DELETE, &trayIconData);
    SetWindowLongPtrA(trayWindow->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc));
    trayWindow = nullptr;
}

LRESULT CALLBACK trayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (trayWindow != nullptr && RestoreOnIconClick(*trayWindow, message, lParam)) {
        return 0;
    }
    return CallWindowProcA(previousWindowProc, window, message, wParam, lParam);
}

}  // namespace 托盘
