#include "system/tray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/codepage.h"

#ifndef _WIN32
#include "platform/host/shell_control.h"
#include "platform/host/windows_control.h"
#endif

namespace {

constexpr UINT kProbe = WM_USER + 7;
constexpr LRESULT kForwarded = 77;

// What the window's own procedure received, to tell forwarded messages from handled ones.
std::vector<std::pair<UINT, LPARAM>>& Received() {
    static std::vector<std::pair<UINT, LPARAM>> received;
    return received;
}

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER) {
        Received().emplace_back(message, lParam);
        return kForwarded;
    }
#ifdef _WIN32
    return DefWindowProcW(window, message, wParam, lParam);
#else
    (void)window;
    (void)wParam;
    return 0;
#endif
}

#ifdef _WIN32

HWND CreateTestWindow() {
    static const ATOM windowClass = [] {
        WNDCLASSW description{};
        description.lpfnWndProc = &OwnProc;
        description.hInstance = GetModuleHandleW(nullptr);
        description.lpszClassName = L"TrayTestWindow";
        return RegisterClassW(&description);
    }();
    return CreateWindowExW(0, MAKEINTATOM(windowClass), L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}
void DestroyTestWindow(HWND window) {
    DestroyWindow(window);
}
LRESULT Send(HWND window, UINT message, LPARAM lParam) {
    return SendMessageW(window, message, 0, lParam);
}
HICON TestIcon() {
    return LoadIconW(nullptr, IDI_APPLICATION);
}

#else

HWND CreateTestWindow() {
    return hostenv::CreateFakeWindow(&OwnProc);
}
void DestroyTestWindow(HWND window) {
    hostenv::DestroyFakeWindow(window);
}
LRESULT Send(HWND window, UINT message, LPARAM lParam) {
    return hostenv::SendFakeMessage(window, message, 0, lParam);
}
HICON TestIcon() {
    return reinterpret_cast<HICON>(std::uintptr_t{0x2345});
}

#endif

class FakeTrayWindow : public 托盘::TrayWindow {
  public:
    explicit FakeTrayWindow(HWND handle) : handle_(handle) {}
    HWND Handle() const override { return handle_; }
    HICON Icon() const override { return TestIcon(); }
    int WindowState() const override { return state; }
    void SetWindowState(int newState) override {
        state = newState;
        calls.push_back("SetWindowState(" + std::to_string(newState) + ")");
    }
    void SetVisible(bool visible) override { calls.push_back(visible ? "SetVisible(true)" : "SetVisible(false)"); }
    int LastState() const override { return lastState; }
    void AfterRestore() override { calls.emplace_back("AfterRestore()"); }

    int state = 1;
    int lastState = 2;
    std::vector<std::string> calls;

  private:
    HWND handle_;
};

class TrayTest : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef _WIN32
        hostenv::ResetShell();
#endif
        Received().clear();
        handle = CreateTestWindow();
        ASSERT_NE(handle, nullptr);
        window = std::make_unique<FakeTrayWindow>(handle);
    }
    void TearDown() override {
        托盘::removeTrayIcon();
        DestroyTestWindow(handle);
    }

    // Whether the shell still knows the icon: modifying an unknown icon fails.
    static bool IconShown() {
        NOTIFYICONDATAA probe = 托盘::trayIconData();
        probe.uFlags = 0;
        return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
    }

    HWND handle = nullptr;
    std::unique_ptr<FakeTrayWindow> window;
};

TEST_F(TrayTest, RecordUsesTheFirstFormWithTheTipInTheAnsiCodePage) {
    托盘::addTrayIcon(*window);
    const NOTIFYICONDATAA& data = 托盘::trayIconData();
    EXPECT_EQ(data.cbSize, sizeof(void*) == 8 ? 104u : 88u);
    EXPECT_EQ(data.hWnd, handle);
    EXPECT_EQ(data.uID, 0u);
    EXPECT_EQ(data.uFlags, 3u);
    EXPECT_EQ(data.uCallbackMessage, 2025u);
    EXPECT_EQ(data.hIcon, TestIcon());
    EXPECT_EQ(托盘::trayWindow(), window.get());

    托盘::setTrayTip(L"澄屿定时关机");
    EXPECT_EQ(data.uFlags, 4u);
    const std::string expected = text::ToCodePage(L"澄屿定时关机", 936) + '\0' + std::string(51, ' ');
    EXPECT_EQ(std::string(data.szTip, 64), expected);
}

TEST_F(TrayTest, TipIsCutToFitItsFieldAtACharacterBoundary) {
    const struct {
        std::wstring tip;
        std::wstring shown;
    } cases[] = {
        {L"", L""},
        {std::wstring(63, L'a'), std::wstring(63, L'a')},
        {std::wstring(64, L'a'), std::wstring(63, L'a')},
        {std::wstring(40, L'时'), std::wstring(31, L'时')},
        {std::wstring(62, L'a') + L'时', std::wstring(62, L'a')},
    };
    托盘::addTrayIcon(*window);
    for (const auto& c : cases) {
        托盘::setTrayTip(c.tip);
        const char* tip = 托盘::trayIconData().szTip;
        const std::size_t length = text::ToAnsi(c.shown).size();
        EXPECT_EQ(text::FromAnsi(std::string(tip)), c.shown) << c.tip.size();
        EXPECT_EQ(std::string(tip + length + 1, 63 - length), std::string(63 - length, ' ')) << c.tip.size();
    }
}

TEST_F(TrayTest, IconLivesFromAddToRemoveAndTheProcedureIsRestored) {
    托盘::addTrayIcon(*window);
    EXPECT_NE(托盘::previousWindowProc(), nullptr);
    托盘::setTrayTip(L"澄屿定时关机");
    EXPECT_TRUE(IconShown());
    // While installed, a click restores the minimised window instead of reaching the window's own procedure.
    EXPECT_EQ(Send(handle, 托盘::WM_TRAYCALLBACK, WM_LBUTTONUP), 0);
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(window->calls.size(), 3u);

    托盘::removeTrayIcon();
    EXPECT_FALSE(IconShown());
    EXPECT_EQ(托盘::trayWindow(), nullptr);
    window->state = 1;
    window->calls.clear();
    EXPECT_EQ(Send(handle, 托盘::WM_TRAYCALLBACK, WM_LBUTTONUP), kForwarded);
    EXPECT_TRUE(window->calls.empty());
    EXPECT_EQ(Received().size(), 1u);
}

TEST_F(TrayTest, OnlyAButtonReleaseOnTheIconRestoresAMinimisedWindow) {
    const struct {
        UINT message;
        LPARAM mouse;
        int state;
        bool restores;
    } cases[] = {
        {2025, WM_LBUTTONUP, 1, true},    {2025, WM_RBUTTONUP, 1, true},      {2025, WM_LBUTTONDOWN, 1, false},
        {2025, WM_RBUTTONDOWN, 1, false}, {2025, WM_LBUTTONDBLCLK, 1, false}, {2025, WM_MOUSEMOVE, 1, false},
        {2025, WM_LBUTTONUP, 0, false},   {2025, WM_RBUTTONUP, 2, false},     {kProbe, WM_LBUTTONUP, 1, false},
    };
    托盘::addTrayIcon(*window);
    for (const auto& c : cases) {
        window->state = c.state;
        window->lastState = c.mouse == WM_RBUTTONUP ? 0 : 2;
        window->calls.clear();
        Received().clear();
        const LRESULT result = Send(handle, c.message, c.mouse);
        const std::string label =
            std::to_string(c.message) + "/" + std::to_string(c.mouse) + "/" + std::to_string(c.state);
        if (c.restores) {
            EXPECT_EQ(result, 0) << label;
            const std::string restoreState = "SetWindowState(" + std::to_string(window->lastState) + ")";
            EXPECT_EQ(window->calls, (std::vector<std::string>{"SetVisible(true)", restoreState, "AfterRestore()"}))
                << label;
            EXPECT_EQ(window->state, window->lastState) << label;
            EXPECT_TRUE(Received().empty()) << label;
        } else {
            EXPECT_EQ(result, kForwarded) << label;
            EXPECT_TRUE(window->calls.empty()) << label;
            EXPECT_EQ(Received(), (std::vector<std::pair<UINT, LPARAM>>{{c.message, c.mouse}})) << label;
        }
    }
}

#ifndef _WIN32

TEST_F(TrayTest, HostOnlyCallsTheShellWithAddModifyAndDelete) {
    托盘::addTrayIcon(*window);
    EXPECT_EQ(hostenv::FakeWindowProc(handle), &托盘::trayWindowProc);
    EXPECT_EQ(托盘::previousWindowProc(), &OwnProc);
    托盘::setTrayTip(L"澄屿定时关机");
    托盘::removeTrayIcon();
    EXPECT_EQ(hostenv::FakeWindowProc(handle), &OwnProc);
    EXPECT_EQ(hostenv::ShownTrayIconCount(), 0u);

    const auto& calls = hostenv::NotifyIconCalls();
    ASSERT_EQ(calls.size(), 3u);
    const DWORD messages[] = {NIM_ADD, NIM_MODIFY, NIM_DELETE};
    const UINT flags[] = {3, 4, 0};
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].message, messages[i]);
        EXPECT_EQ(calls[i].data.uFlags, flags[i]);
        EXPECT_EQ(calls[i].data.cbSize, NOTIFYICONDATAA_V1_SIZE);
        EXPECT_EQ(calls[i].data.hWnd, handle);
    }
    EXPECT_EQ(std::string(calls[1].data.szTip), text::ToCodePage(L"澄屿定时关机", 936));
}

#endif

}  // namespace
