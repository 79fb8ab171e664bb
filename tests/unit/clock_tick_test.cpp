// Host only: acting on a due trigger calls ExitWindowsEx, which under Wine would end the session.
#include "app/clock_tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#ifndef _WIN32
#include "platform/host/control.h"
#include "system/tray.h"

namespace {

// `timeShown` stands for a time caption that reads back otherwise than it was set.
struct Labels : ClockLabels {
    void SetCaptions(const std::wstring& d, const std::wstring& t) override { std::tie(date, time) = std::tie(d, t); }
    std::wstring DateCaption() const override { return date; }
    std::wstring TimeCaption() const override { return timeShown.empty() ? time : timeShown; }
    std::wstring date, time, timeShown;
};

struct Window : 托盘::TrayWindow {
    ~Window() override { hostenv::DestroyFakeWindow(hwnd); }
    HWND Handle() const override { return hwnd; }
    HICON Icon() const override { return nullptr; }
    int WindowState() const override { return 0; }
    void SetWindowState(int) override {}
    void SetVisible(bool) override {}
    int LastState() const override { return 0; }
    void AfterRestore() override {}
    HWND hwnd = hostenv::CreateFakeWindow([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
};

// Friday 2026-12-04 23:05:07, one hour after start, shutdown daily at 07:30. Acting stops the timer and removes
// the icon; the executor's failure box keeps ticks coming in the same minute: the clock goes on, the request is not
// repeated.
TEST(ClockTickHostOnly, ActsOnceOnTheFirstDueTriggerAtTheMomentTheCaptionsShow) {
    // Minutes after start-up of the restart, the time caption as it reads back, the request ("": nothing due).
    const std::tuple<std::int32_t, const wchar_t*, const char*> cases[] = {
        {61, L"", ""},
        {60, L"", "ExitWindowsEx(flags=2, reason=0)"},
        {60, L"07:30:00", "ExitWindowsEx(flags=8, reason=0)"},
    };
    ScheduleModel model;
    model.shutdownSchedule.dailyTime = L"07:30";
    for (const auto& [bootMinutes, timeShown, request] : cases) {
        hostenv::ResetSecurity();
        hostenv::FailSecurityStep(hostenv::SecurityStep::ExitWindows);
        hostenv::ResetTimers();
        hostenv::ResetShell();
        hostenv::SetLocalTime(2026, 12, 4, 23, 5, 7);
        hostenv::SetTickCount(3600000);
        model.restartSchedule.bootMinutes = bootMinutes;
        Labels labels;
        labels.timeShown = timeShown;
        Timer timer;
        timer.Interval(1000);
        timer.Enabled(true);
        Window window;
        托盘::addTrayIcon(window);
        ClockTick tick;
        const bool acts = *request != '\0';
        const bool acted = tick.Run(labels, model, timer);
        EXPECT_EQ(std::tuple(acted, hostenv::RunningTimerCount(), hostenv::ShownTrayIconCount()),
                  std::tuple(acts, acts ? 0u : 1u, acts ? 0u : 1u));
        hostenv::SetLocalTime(2026, 12, 4, 23, 5, 8);
        EXPECT_FALSE(tick.Run(labels, model, timer));
        const auto& log = hostenv::SecurityLog();
        EXPECT_EQ(std::tuple(labels.date + L" " + labels.time, std::count(log.begin(), log.end(), request)),
                  std::tuple(L"2026-12-04 23:05:08", acts ? 1 : 0));
        托盘::removeTrayIcon();
    }
}

}  // namespace
#endif
