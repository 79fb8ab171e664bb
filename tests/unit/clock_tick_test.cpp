#include "app/clock_tick.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/recording_platform.h"

namespace {

// `timeShown` stands for a time caption that reads back otherwise than it was set.
struct Window : TickWindow {
    void SetCaptions(const std::wstring& d, const std::wstring& t) override { std::tie(date, time) = std::tie(d, t); }
    std::wstring DateCaption() const override { return date; }
    std::wstring TimeCaption() const override { return timeShown.empty() ? time : timeShown; }
    void RemoveTrayIcon() override { ++iconsRemoved; }
    std::wstring date, time, timeShown;
    int iconsRemoved = 0;
};

// Friday 2026-12-04 23:05:07, one hour after start, shutdown daily at 07:30. Acting stops the timer and removes
// the icon; the executor's failure box keeps ticks coming in the same minute: the clock goes on, the request is
// not repeated.
TEST(ClockTick, ActsOnceOnTheFirstDueTriggerAtTheMomentTheCaptionsShow) {
    // Minutes after start-up of the restart, the time caption as it reads back, the platform calls made.
    const std::tuple<std::int32_t, const wchar_t*, std::vector<std::string>> cases[] = {
        {61, L"", {"start 1000"}},
        {60, L"", {"start 1000", "enable", "exit 2", "disable", "stop 1"}},
        {60, L"07:30:00", {"start 1000", "enable", "exit 8", "disable", "stop 1"}},
    };
    ScheduleModel model;
    model.shutdownSchedule.dailyTime = L"07:30";
    for (const auto& [bootMinutes, timeShown, calls] : cases) {
        RecordingPlatform platform;
        platform.exitRefused = true;
        model.restartSchedule.bootMinutes = bootMinutes;
        Timer timer(platform);
        timer.Interval(1000);
        timer.Enabled(true);
        Window window;
        window.timeShown = timeShown;
        ClockTick tick(platform);
        const bool acts = calls.size() > 1;
        EXPECT_EQ(tick.Run({2026, 12, 4}, {23, 5, 7}, 3600000, model, timer, window), acts);
        EXPECT_FALSE(tick.Run({2026, 12, 4}, {23, 5, 8}, 3600000, model, timer, window));
        EXPECT_EQ(std::tuple(window.date + L" " + window.time, platform.calls, window.iconsRemoved),
                  std::tuple(L"2026-12-04 23:05:08", calls, acts ? 1 : 0));
    }
}

}  // namespace
