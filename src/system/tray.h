// The program's icon in the notification area, and the window procedure that restores the window.
#pragma once

#include <string>

#include "platform/win32.h"

namespace 托盘 {

constexpr UINT WM_TRAYCALLBACK = WM_USER + 1001;  // 2025

// What the module needs of the window its icon belongs to.
class TrayWindow {
  public:
    virtual ~TrayWindow() = default;
    virtual HWND Handle() const = 0;
    virtual HICON Icon() const = 0;
    virtual int WindowState() const = 0;  // 0 normal, 1 minimised, 2 maximised
    virtual void SetWindowState(int state) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int LastState() const = 0;
    virtual void AfterRestore() = 0;  // the window's own follow-up once shown again (focus, front)
};

void addTrayIcon(TrayWindow& window);
void setTrayTip(const std::wstring& tip);
void removeTrayIcon();
LRESULT CALLBACK trayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The record passed to every Shell_NotifyIconA call.
extern NOTIFYICONDATAA trayIconData;

}  // namespace 托盘
