// The tray record as the shell receives it, and the window procedure installed and put back.
#include "system/win/tray.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "system/product_names.h"

namespace {

// The window's own procedure answers with the message and its mouse code, so the result tells what reached it.
LRESULT CALLBACK OwnProc(HWND, UINT message, WPARAM, LPARAM lParam) {
    return message < WM_USER ? 0 : static_cast<LRESULT>(message) << 16 | lParam;
}

// A minimised window whose state before was maximised; an ANSI window, so the procedure read back is the very
// function installed.
struct Window : 托盘::TrayWindow {
    Window() { SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnProc)); }
    ~Window() override { DestroyWindow(handle); }
    HWND Handle() const override { return handle; }
    HICON Icon() const override { return icon; }
    int WindowState() const override { return 1; }
    void SetWindowState(int state) override { calls += "state " + std::to_string(state) + " "; }
    void SetVisible(bool visible) override { calls += visible ? "shown " : "hidden "; }
    int LastState() const override { return 2; }
    void AfterRestore() override { calls += "after"; }
    const HWND handle = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    std::string calls;
};

// The tip 澄屿定时关机 = B3 CE D3 EC B6 A8 CA B1 B9 D8 BB FA, then its NUL, then blanks.
TEST(TrayIcon, RecordTipAndWindowProcedure) {
    Window window;
    托盘::addTrayIcon(window);
    const auto& d = 托盘::trayIconData;
    EXPECT_EQ(std::tuple(d.cbSize, d.hWnd, d.uID, d.uCallbackMessage, d.hIcon, d.uFlags),
              std::tuple(DWORD{NOTIFYICONDATAA_V1_SIZE}, window.handle, 0u, 2025u, window.icon,
                         UINT{NIF_MESSAGE | NIF_ICON}));
    托盘::setTrayTip(kSystemName);
    EXPECT_EQ(std::string(d.szTip, 64),
              std::string("\xB3\xCE\xD3\xEC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA") + '\0' + std::string(51, ' '));
    EXPECT_EQ(d.uFlags, UINT{NIF_TIP});
    EXPECT_EQ(SendMessageA(window.handle, 2025, 0, 0x200), 2025 << 16 | 0x200);
    EXPECT_EQ(SendMessageA(window.handle, 2025, 0, 0x202), 0);
    EXPECT_EQ(window.calls, "shown state 2 after");
    托盘::removeTrayIcon();
    EXPECT_EQ(GetWindowLongPtrA(window.handle, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnProc));
}

}  // namespace
