// What a click on the program's icon in the notification area does to the main window.
#pragma once

#include <cstdint>

namespace 托盘 {

constexpr unsigned WM_TRAYCALLBACK = 0x400 + 1001;  // WM_USER + 1001: the icon's messages to the window

// The main window as the icon restores it. Window states: 0 normal, 1 minimised, 2 maximised.
class RestorableWindow {
  public:
    virtual ~RestorableWindow() = default;
    virtual int WindowState() const = 0;
    virtual void SetWindowState(int state) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int LastState() const = 0;
    virtual void AfterRestore() = 0;  // the window's own follow-up once shown again (focus, front)
};

// The icon's left or right button released while the window is minimised shows the window in its last state:
// true then, the message handled; false for every other message, which goes on to the window.
bool RestoreOnIconClick(RestorableWindow& window, unsigned message, std::intptr_t mouseMessage);

}  // namespace 托盘
