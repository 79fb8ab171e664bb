#include "app/clock_tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#ifndef _WIN32
#include "platform/host/messagebox_control.h"
#include "platform/host/process_control.h"
#include "platform/host/security_control.h"
#include "platform/host/shell_control.h"
#include "platform/host/timers_control.h"
#include "platform/host/windows_control.h"
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
    std::wstring date;
    std::wstring time;
};

LRESULT CALLBACK IgnoreAll(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

class FakeTrayWindow : public 托盘::TrayWindow {
  public:
    FakeTrayWindow() : hwnd(hostenv::CreateFakeWindow(IgnoreAll)) {}
    ~FakeTrayWindow() override { hostenv::DestroyFakeWindow(hwnd); }
    HWND Handle() const override { return hwnd; }
    HICON Icon() const override { return nullptr; }
    int WindowState() const override { return 0; }
    void SetWindowState(int) override {}
    void SetVisible(bool) override {}
    int LastState() const override { return 0; }
    void AfterRestore() override {}

  private:
    HWND hwnd;
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

// Friday 2026-12-04 23:05:07, the computer running for one hour; the timer started, the icon shown.
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
    struct Case {
        const char* name;
        ScheduleModel model;
        const char* request;  // "" when nothing is due
    };
    ScheduleModel dailyShutdown;
    dailyShutdown.shutdownSchedule.dailyTime = L"23:05";
    ScheduleModel weeklyRestart;
    weeklyRestart.restartSchedule.weeklyDayNumber = 6;
    weeklyRestart.restartSchedule.weeklyTime = L"23:05";
    ScheduleModel bothDue = dailyShutdown;
    bothDue.restartSchedule.onceDate = L"2026-12-04";
    bothDue.restartSchedule.onceTime = L"23:05";
    ScheduleModel nextMinute;
    nextMinute.shutdownSchedule.dailyTime = L"23:06";
    nextMinute.restartSchedule.bootMinutes = 61;
    ScheduleModel afterStart;
    afterStart.restartSchedule.bootMinutes = 60;
    const Case cases[] = {
        {"empty model", ScheduleModel{}, ""},
        {"daily shutdown", dailyShutdown, "ExitWindowsEx(flags=8, reason=0)"},
        {"weekly restart", weeklyRestart, "ExitWindowsEx(flags=2, reason=0)"},
        {"shutdown before restart", bothDue, "ExitWindowsEx(flags=8, reason=0)"},
        {"next minute, 61 minutes", nextMinute, ""},
        {"60 minutes after start", afterStart, "ExitWindowsEx(flags=2, reason=0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scene scene;
        ASSERT_EQ(hostenv::RunningTimerCount(), 1u);
        const bool acted = scene.tick.Run(scene.labels, c.model, scene.timer);
        EXPECT_EQ(scene.labels.date, L"2026-12-04");
        EXPECT_EQ(scene.labels.time, L"23:05:07");
        const bool due = std::string(c.request) != "";
        EXPECT_EQ(acted, due);
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
    ASSERT_EQ(hostenv::ShownMessageBoxes().size(), 1u);
    // A tick that still arrives (through the failure box's loop) updates the clock and asks nothing.
    hostenv::SetLocalTime(2026, 12, 4, 23, 5, 8);
    EXPECT_FALSE(scene.tick.Run(scene.labels, model, scene.timer));
    EXPECT_EQ(scene.labels.time, L"23:05:08");
    EXPECT_EQ(ShutdownRequests().size(), 1u);
    EXPECT_EQ(hostenv::ShownMessageBoxes().size(), 1u);
}

TEST(ClockTickHostOnly, TheMomentComesFromTheCaptionsAsWritten) {
    Scene scene;
    // Labels that show a different moment than the clock (as a caption read back could): the
    // decision follows what the labels hold.
    class ShiftedLabels : public RecordingLabels {
      public:
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
