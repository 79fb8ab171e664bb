#include "app/clock_tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#ifndef _WIN32
#include "platform/host/control.h"
#include "system/tray.h"
#endif

namespace {

#ifndef _WIN32

struct RecordingLabels : ClockLabels {
    void SetCaptions(const std::wstring& newDate, const std::wstring& newTime) override {
        date = newDate;
        time = newTime;
    }
    std::wstring DateCaption() const override { return date; }
    std::wstring TimeCaption() const override { return time; }
    std::wstring date, time;
};

struct FakeTrayWindow : 托盘::TrayWindow {
    ~FakeTrayWindow() override { hostenv::DestroyFakeWindow(hwnd); }
    HWND Handle() const override { return hwnd; }
    HICON Icon() const override { return nullptr; }
    int WindowState() const override { return 0; }
    void SetWindowState(int) override {}
    void SetVisible(bool) override {}
    int LastState() const override { return 0; }
    void AfterRestore() override {}
    HWND hwnd = hostenv::CreateFakeWindow([](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
};

long Requests(const char* request) {
    return std::count(hostenv::SecurityLog().begin(), hostenv::SecurityLog().end(), request);
}

// Friday 2026-12-04 23:05:07, one hour after start; the timer running, the icon shown.
struct Scene {
    Scene() {
        hostenv::ResetSecurity();
        hostenv::ResetTimers();
        hostenv::ResetShell();
        hostenv::SetLocalTime(2026, 12, 4, 23, 5, 7);
        hostenv::SetTickCount(3600000);
        timer.Interval(1000);
        timer.Enabled(true);
        托盘::addTrayIcon(tray);
    }
    ~Scene() {
        if (hostenv::ShownTrayIconCount() > 0) {
            托盘::removeTrayIcon();
        }
    }
    // Whether the tick acted; the clock is shown either way, and acting stops the timer and removes the icon.
    bool Tick(RecordingLabels& shown, const ScheduleModel& model) {
        const bool acted = tick.Run(shown, model, timer);
        EXPECT_EQ(shown.date + L" " + shown.time, L"2026-12-04 23:05:07");
        EXPECT_EQ(hostenv::RunningTimerCount(), acted ? 0u : 1u);
        EXPECT_EQ(hostenv::ShownTrayIconCount(), acted ? 0u : 1u);
        return acted;
    }
    RecordingLabels labels;
    Timer timer;
    FakeTrayWindow tray;
    ClockTick tick;
};

TEST(ClockTickHostOnly, ActsOnceOnTheFirstDueTriggerTakingTheMomentFromTheCaptions) {
    ScheduleModel model;
    model.restartSchedule.bootMinutes = 61;
    model.shutdownSchedule.dailyTime = L"07:30";
    Scene scene;
    EXPECT_FALSE(scene.Tick(scene.labels, model));
    struct ShiftedLabels : RecordingLabels {
        std::wstring TimeCaption() const override { return L"07:30:00"; }
    } shifted;
    EXPECT_TRUE(scene.Tick(shifted, model));
    EXPECT_EQ(Requests("ExitWindowsEx(flags=8, reason=0)"), 1);
}

// The executor's failure box keeps ticks coming in the same minute: the clock goes on, the request is not
// repeated.
TEST(ClockTickHostOnly, ARefusedRequestIsNotAskedForAgain) {
    ScheduleModel model;
    model.restartSchedule.bootMinutes = 60;
    Scene scene;
    hostenv::FailSecurityStep(hostenv::SecurityStep::ExitWindows);
    EXPECT_TRUE(scene.Tick(scene.labels, model));
    hostenv::SetLocalTime(2026, 12, 4, 23, 5, 8);
    EXPECT_FALSE(scene.tick.Run(scene.labels, model, scene.timer));
    EXPECT_EQ(scene.labels.time, L"23:05:08");
    EXPECT_EQ(Requests("ExitWindowsEx(flags=2, reason=0)"), 1);
}

#else

TEST(ClockTick, NeedsTheHostStandIn) {
    GTEST_SKIP() << "acting on a due trigger calls the real ExitWindowsEx, which would end the Wine session";
}

#endif

}  // namespace
