#include "system/tray.h"

namespace 托盘 {

namespace {

constexpr std::intptr_t kLeftButtonUp = 0x202;
constexpr std::intptr_t kRightButtonUp = 0x205;
constexpr int kMinimized = 1;

}  // namespace

bool RestoreOnIconClick(RestorableWindow& window, unsigned message, std::intptr_t mouseMessage) {
    const bool click = mouseMessage == kLeftButtonUp || mouseMessage == kRightButtonUp;
    if (message != WM_TRAYCALLBACK || !click || window.WindowState() != kMinimized) {
        return false;
    }
    window.SetVisible(true);
    window.SetWindowState(window.LastState());
    window.AfterRestore();
    return true;
}

}  // namespace 托盘
