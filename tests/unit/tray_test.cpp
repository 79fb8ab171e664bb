#include "system/tray.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// The main window as the icon sees it, recording what is done to it.
struct Window : 托盘::RestorableWindow {
    Window(int s, int l) : state(s), last(l) {}
    int WindowState() const override { return state; }
    void SetWindowState(int newState) override { calls += "state " + std::to_string(newState) + " "; }
    void SetVisible(bool visible) override { calls += visible ? "shown " : "hidden "; }
    int LastState() const override { return last; }
    void AfterRestore() override { calls += "after"; }
    const int state, last;
    std::string calls;
};

TEST(TrayIcon, OnlyAButtonReleaseOnTheIconRestoresAMinimisedWindow) {
    // The message, its mouse code, the window state and the state it had before; what is done to the window.
    const std::tuple<unsigned, std::intptr_t, int, int, std::string> cases[] = {
        {2025, 0x202, 1, 2, "shown state 2 after"},
        {2025, 0x205, 1, 0, "shown state 0 after"},
        {2025, 0x201, 1, 2, ""},
        {2025, 0x203, 1, 2, ""},
        {2025, 0x202, 0, 2, ""},
        {2025, 0x205, 2, 0, ""},
        {2026, 0x202, 1, 2, ""},
    };
    for (const auto& [message, mouse, state, lastState, calls] : cases) {
        Window window(state, lastState);
        EXPECT_EQ(托盘::RestoreOnIconClick(window, message, mouse), !calls.empty());
        EXPECT_EQ(window.calls, calls);
    }
}

}  // namespace
