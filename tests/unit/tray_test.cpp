#include "system/tray.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/codepage.h"
#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace {

using namespace 托盘;

// The window's own procedure answers with the message and its mouse code, so the result tells what reached it.
LRESULT CALLBACK OwnProc(HWND, UINT message, WPARAM, LPARAM lParam) {
    return message < WM_USER ? 0 : static_cast<LRESULT>(message) << 16 | lParam;
}

// A platform window, ANSI so that the procedure read back is the very function installed.
#ifdef _WIN32
struct PlatformWindow {
    PlatformWindow() { SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnProc)); }
    ~PlatformWindow() { DestroyWindow(handle); }
    WNDPROC Proc() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC)); }
    LRESULT Send(UINT message, LPARAM mouse) const { return SendMessageA(handle, message, 0, mouse); }
    static HICON Icon() { return LoadIconW(nullptr, IDI_APPLICATION); }
    const HWND handle = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
};
#else
struct PlatformWindow {
    ~PlatformWindow() { hostenv::DestroyFakeWindow(handle); }
    WNDPROC Proc() const { return hostenv::FakeWindowProc(handle); }
    LRESULT Send(UINT message, LPARAM mouse) const { return hostenv::SendFakeMessage(handle, message, 0, mouse); }
    static HICON Icon() { return reinterpret_cast<HICON>(std::uintptr_t{0x2345}); }
    const HWND handle = hostenv::CreateFakeWindow(&OwnProc);
};
#endif

// The main window as the icon sees it, recording what is done to it; its icon is in the tray while it lives.
class FakeTrayWindow : public TrayWindow, public PlatformWindow {
  public:
    explicit FakeTrayWindow(int s = 1, int l = 2) : state(s), last(l) { addTrayIcon(*this); }
    ~FakeTrayWindow() override { removeTrayIcon(); }
    HWND Handle() const override { return handle; }
    HICON Icon() const override { return PlatformWindow::Icon(); }
    int WindowState() const override { return state; }
    void SetWindowState(int newState) override { calls += "state " + std::to_string(newState) + " "; }
    void SetVisible(bool visible) override { calls += visible ? "shown " : "hidden "; }
    int LastState() const override { return last; }
    void AfterRestore() override { calls += "after"; }

    const int state, last;
    std::string calls;
};

TEST(TrayIcon, LivesFromAddToRemoveAndCarriesItsTip) {
    FakeTrayWindow window;
    const auto& d = trayIconData;
    EXPECT_EQ(std::tuple(d.hWnd, d.uCallbackMessage, d.hIcon, d.uFlags),
              std::tuple(window.handle, 2025u, window.Icon(), UINT{NIF_MESSAGE | NIF_ICON}));

    // In the ANSI code page, cut at a character boundary to fit 63 bytes, then NUL, then blanks.
    setTrayTip(std::wstring(32, L'时'));
    const std::string bytes = text::ToCodePage(std::wstring(31, L'时'), 936);
    EXPECT_EQ(std::pair(std::string(d.szTip, 64), d.uFlags), std::pair(bytes + '\0' + ' ', UINT{NIF_TIP}));
#ifndef _WIN32
    EXPECT_EQ(hostenv::ShownTrayTip(window.handle), bytes) << "the shell shows it";
#endif

    removeTrayIcon();
    EXPECT_EQ(window.Proc(), &OwnProc);
}

TEST(TrayIcon, OnlyAButtonReleaseOnTheIconRestoresAMinimisedWindow) {
    // The message, its mouse code, the window state and the state it had before; what is done to the window.
    const std::tuple<UINT, LPARAM, int, int, std::string> cases[] = {
        {WM_TRAYCALLBACK, WM_LBUTTONUP, 1, 2, "shown state 2 after"},
        {WM_TRAYCALLBACK, WM_RBUTTONUP, 1, 0, "shown state 0 after"},
        {WM_TRAYCALLBACK, WM_LBUTTONDOWN, 1, 2, ""},
        {WM_TRAYCALLBACK, WM_LBUTTONUP, 0, 2, ""},
        {WM_TRAYCALLBACK + 1, WM_LBUTTONUP, 1, 2, ""},
    };
    for (const auto& [message, mouse, state, lastState, calls] : cases) {
        FakeTrayWindow window(state, lastState);
        EXPECT_EQ(window.Send(message, mouse), calls.empty() ? static_cast<LRESULT>(message) << 16 | mouse : 0);
        EXPECT_EQ(window.calls, calls);
    }
}

}  // namespace
