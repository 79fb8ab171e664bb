#include "system/tray.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/codepage.h"
#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace {

using 托盘::trayIconData;
using 托盘::WM_TRAYCALLBACK;

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
class FakeTrayWindow : public 托盘::TrayWindow, public PlatformWindow {
  public:
    FakeTrayWindow() { 托盘::addTrayIcon(*this); }
    ~FakeTrayWindow() override { 托盘::removeTrayIcon(); }
    HWND Handle() const override { return handle; }
    HICON Icon() const override { return PlatformWindow::Icon(); }
    int WindowState() const override { return state; }
    void SetWindowState(int newState) override { calls.push_back("state " + std::to_string(state = newState)); }
    void SetVisible(bool visible) override { calls.emplace_back(visible ? "shown" : "hidden"); }
    int LastState() const override { return lastState; }
    void AfterRestore() override { calls.emplace_back("after"); }

    int state = 1;
    int lastState = 2;
    std::vector<std::string> calls;
};

// Whether the shell knows the icon: modifying an unknown one fails.
bool IconShown() {
    NOTIFYICONDATAA probe = trayIconData;
    probe.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

TEST(TrayIcon, LivesFromAddToRemoveAndCarriesItsTip) {
    FakeTrayWindow window;
    const auto& d = trayIconData;
    EXPECT_EQ(std::tuple(d.hWnd, d.uCallbackMessage, d.hIcon, d.uFlags),
              std::tuple(window.handle, 2025u, window.Icon(), UINT{NIF_MESSAGE | NIF_ICON}));
    EXPECT_TRUE(IconShown());
    EXPECT_EQ(window.Proc(), &托盘::trayWindowProc);

    // In the ANSI code page, cut at a character boundary to fit 63 bytes, then NUL, then blanks.
    const std::pair<std::wstring, std::wstring> tips[] = {
        {L"澄屿定时关机", L"澄屿定时关机"},
        {std::wstring(64, L'a'), std::wstring(63, L'a')},
        {std::wstring(62, L'a') + L'时', std::wstring(62, L'a')},
    };
    for (const auto& [tip, shown] : tips) {
        托盘::setTrayTip(tip);
        const std::string bytes = text::ToCodePage(shown, 936);
        EXPECT_EQ(std::string(trayIconData.szTip, 64), bytes + '\0' + std::string(63 - bytes.size(), ' '));
        EXPECT_EQ(trayIconData.uFlags, UINT{NIF_TIP});
#ifndef _WIN32
        EXPECT_EQ(hostenv::ShownTrayTip(window.handle), bytes) << "the shell shows it";
#endif
    }

    托盘::removeTrayIcon();
    EXPECT_FALSE(IconShown());
    EXPECT_EQ(window.Proc(), &OwnProc);
}

TEST(TrayIcon, OnlyAButtonReleaseOnTheIconRestoresAMinimisedWindow) {
    const struct {
        UINT message;
        LPARAM mouse;
        int state;
        bool restores;
    } cases[] = {
        {WM_TRAYCALLBACK, WM_LBUTTONUP, 1, true},    {WM_TRAYCALLBACK, WM_RBUTTONUP, 1, true},
        {WM_TRAYCALLBACK, WM_LBUTTONDOWN, 1, false}, {WM_TRAYCALLBACK, WM_LBUTTONUP, 0, false},
        {WM_TRAYCALLBACK, WM_RBUTTONUP, 2, false},   {WM_TRAYCALLBACK + 1, WM_LBUTTONUP, 1, false},
    };
    FakeTrayWindow window;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.message) + "/" + std::to_string(c.mouse) + "/" + std::to_string(c.state));
        window.state = c.state;
        window.lastState = c.mouse == WM_RBUTTONUP ? 0 : 2;
        window.calls.clear();
        const std::vector<std::string> restored = {"shown", "state " + std::to_string(window.lastState), "after"};
        EXPECT_EQ(window.Send(c.message, c.mouse), c.restores ? 0 : static_cast<LRESULT>(c.message) << 16 | c.mouse);
        EXPECT_EQ(window.calls, c.restores ? restored : std::vector<std::string>{});
    }
}

}  // namespace
