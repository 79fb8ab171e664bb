#include "app/clock_tick.h"

#include <gtest/gtest.h>

#include <string>

#ifndef _WIN32
#include "platform/host/control.h"
#include "system/tray.h"
#endif

namespace {

#ifndef _WIN32

class RecordingLabels : public ClockLabels {
  public:
    void SetCaptions(const std::wstring& newDate, const std::wstring& newTime) override {
        date = newDate;
        time = newTime;
    }
    std::wstring DateCaption() const override { return date; }
    std::wstring TimeCaption() const override { return time; }
    std::wstring date, time;
};

LRESULT CALLBACK IgnoreAll(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

class FakeTrayWindow : public 托盘::TrayWindow {
  public:
    ~FakeTrayWindow() override { hostenv::DestroyFakeWindow(hwnd); }
    HWND Handle() const override { return hwnd; }
    HICON Icon() const override { return nullptr; }
    int WindowState() const override { return 0; }
    void SetWindowState(int) override {}
    void SetVisible(bool) override {}
    int LastState() const override { return 0; }
    void AfterRestore() override {}
    HWND hwnd = hostenv::CreateFakeWindow(IgnoreAll);
};

std::vector<std::string> ShutdownRequests() {
    std::vector<std::string> requests;
    for (const std::string& line : hostenv::SecurityLog()) {
        if (line.rfind("ExitWindowsEx", 0) == 0) {
            requests.push_back(line);
        }
    }
    return requests;
}

// Friday 2026-12-04 23:05:07, one hour after start; the timer running, the icon shown.
struct Scene {
    Scene() {
        hostenv::ResetSecurity();
        hostenv::ResetTimers();
        hostenv::ResetShell();
        hostenv::ResetMessageBoxes();
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
    RecordingLabels labels;
    Timer timer;
    FakeTrayWindow tray;
    ClockTick tick;
};

TEST(ClockTickHostOnly, ShowsTheClockAndActsOnTheFirstDueTrigger) {
    const std::string shutdown = "ExitWindowsEx(flags=8, reason=0)", restart = "ExitWindowsEx(flags=2, reason=0)";
    ScheduleModel daily, weekly, both, nextMinute, afterStart;
    daily.shutdownSchedule.dailyTime = L"23:05";
    weekly.restartSchedule.weeklyDayNumber = 6;
    weekly.restartSchedule.weeklyTime = L"23:05";
    both = daily;
    both.restartSchedule.onceDate = L"2026-12-04";
    both.restartSchedule.onceTime = L"23:05";
    nextMinute.shutdownSchedule.dailyTime = L"23:06";
    nextMinute.restartSchedule.bootMinutes = 61;
    afterStart.restartSchedule.bootMinutes = 60;
    const struct {
        const char* name;
        ScheduleModel model;
        std::string request;  // empty when nothing is due
    } cases[] = {
        {"empty", ScheduleModel{}, ""},     {"daily", daily, shutdown},      {"weekly", weekly, restart},
        {"shutdown first", both, shutdown}, {"next minute", nextMinute, ""}, {"60 min", afterStart, restart},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Scene scene;
        const bool due = !c.request.empty();
        EXPECT_EQ(scene.tick.Run(scene.labels, c.model, scene.timer), due);
        EXPECT_EQ(scene.labels.date + L" " + scene.labels.time, L"2026-12-04 23:05:07");
        EXPECT_EQ(ShutdownRequests(), due ? std::vector<std::string>{c.request} : std::vector<std::string>{});
        EXPECT_EQ(scene.timer.Enabled(), !due);
        EXPECT_EQ(hostenv::RunningTimerCount(), due ? 0u : 1u);
        EXPECT_EQ(hostenv::ShownTrayIconCount(), due ? 0u : 1u);
    }
}

TEST(ClockTickHostOnly, ARefusedRequestIsNotAskedForAgain) {
    Scene scene;
    ScheduleModel model;
    model.shutdownSchedule.dailyTime = L"23:05";
    hostenv::FailSecurityStep(hostenv::SecurityStep::ExitWindows);
    EXPECT_TRUE(scene.tick.Run(scene.labels, model, scene.timer));
    hostenv::SetLocalTime(2026, 12, 4, 23, 5, 8);
    EXPECT_FALSE(scene.tick.Run(scene.labels, model, scene.timer));
    EXPECT_EQ(scene.labels.time, L"23:05:08");
    EXPECT_EQ(ShutdownRequests().size(), 1u);
    EXPECT_EQ(hostenv::ShownMessageBoxes().size(), 1u);
}

TEST(ClockTickHostOnly, TheMomentComesFromTheCaptionsAsWritten) {
    Scene scene;
    struct ShiftedLabels : RecordingLabels {
        std::wstring TimeCaption() const override { return L"07:30:00"; }
    } shifted;
    ScheduleModel model;
    model.shutdownSchedule.dailyTime = L"07:30";
    EXPECT_TRUE(scene.tick.Run(shifted, model, scene.timer));
    EXPECT_EQ(ShutdownRequests().size(), 1u);
}

#else

TEST(ClockTick, NeedsTheHostStandIn) {
    GTEST_SKIP() << "acting on a due trigger calls the real ExitWindowsEx, which would end the Wine session";
}

#endif

}  // namespace
