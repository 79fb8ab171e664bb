// The 托盘 module: the program's icon in the notification area, and the window procedure that restores the
// main window when the icon is clicked.
#pragma once

#include <windows.h>

#include <shellapi.h>  // needs windows.h first

#include <string>

#include "system/tray.h"

namespace 托盘 {

// What the module needs of the window its icon belongs to.
class TrayWindow : public RestorableWindow {
  public:
    virtual HWND Handle() const = 0;
    virtual HICON Icon() const = 0;
};

void addTrayIcon(TrayWindow& window);
void setTrayTip(const std::wstring& tip);
void removeTrayIcon();
LRESULT CALLBACK trayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The record passed to every Shell_NotifyIconA call.
extern NOTIFYICONDATAA trayIconData;

}  // namespace 托盘
