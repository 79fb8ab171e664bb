#include "scheduler/timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scheduler/mtimer.h"
#include "support/pump.h"

#ifndef _WIN32
#include "platform/host/process_control.h"
#include "platform/host/timers_control.h"
#endif

namespace {

using testsupport::PumpUntil;

// The registry key under which `timer` is registered, if it is.
std::optional<std::wstring> KeyOf(const Timer& timer) {
    for (const auto& [key, address] : mTimer::TimerRegistry()) {
        if (address == reinterpret_cast<std::uintptr_t>(&timer)) {
            return key;
        }
    }
    return std::nullopt;
}

UINT_PTR IdOf(const std::wstring& key) {
    return static_cast<UINT_PTR>(std::stoull(key.substr(3)));
}

// A timer that counts its own events.
struct CountingTimer {
    Timer timer;
    int events = 0;

    explicit CountingTimer(std::int32_t interval) {
        timer.TimerEvent = [this] { ++events; };
        timer.Interval(interval);
    }
};

class TimerTest : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef _WIN32
        hostenv::ResetTimers();
#endif
        ASSERT_TRUE(mTimer::TimerRegistry().empty());
    }
    // Every test ends with its timers destroyed, so nothing may stay registered.
    void TearDown() override {
        EXPECT_TRUE(mTimer::TimerRegistry().empty());
    }
};

TEST_F(TimerTest, RunsUntilDisabledAndThenUnregisters) {
    CountingTimer counting(20);
    EXPECT_FALSE(counting.timer.Enabled());
    EXPECT_TRUE(mTimer::TimerRegistry().empty());

    counting.timer.Enabled(true);
    EXPECT_TRUE(counting.timer.Enabled());
    const auto key = KeyOf(counting.timer);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->rfind(L"ID:", 0), 0u);
    EXPECT_EQ(*key, mTimer::RegistryKey(IdOf(*key)));
    ASSERT_TRUE(PumpUntil([&] { return counting.events >= 3; }));

    counting.timer.Enabled(false);
    EXPECT_FALSE(counting.timer.Enabled());
    EXPECT_FALSE(KeyOf(counting.timer).has_value());
    EXPECT_EQ(mTimer::TimerRegistry().count(*key), 0u);
    EXPECT_FALSE(KillTimer(nullptr, IdOf(*key))) << "the platform timer should be gone already";

    const int stoppedAt = counting.events;
    CountingTimer witness(20);
    witness.timer.Enabled(true);
    ASSERT_TRUE(PumpUntil([&] { return witness.events >= 3; }));
    EXPECT_EQ(counting.events, stoppedAt);
}

TEST_F(TimerTest, TwoTimersReceiveOnlyTheirOwnExpiries) {
    CountingTimer first(20);
    CountingTimer second(30);
    first.timer.Enabled(true);
    second.timer.Enabled(true);
    const auto firstKey = KeyOf(first.timer);
    const auto secondKey = KeyOf(second.timer);
    ASSERT_TRUE(firstKey && secondKey);
    EXPECT_NE(*firstKey, *secondKey);
    ASSERT_TRUE(PumpUntil([&] { return first.events >= 2 && second.events >= 2; }));

    // The callback tells the two apart by the id alone.
    second.timer.Enabled(false);
    const int firstBefore = first.events;
    const int secondBefore = second.events;
    mTimer::TimerProc(nullptr, WM_TIMER, IdOf(*firstKey), 0);
    EXPECT_EQ(first.events, firstBefore + 1);
    EXPECT_EQ(second.events, secondBefore);

    // An id without an entry (one already stopped) is dropped.
    mTimer::TimerProc(nullptr, WM_TIMER, IdOf(*secondKey), 0);
    EXPECT_EQ(second.events, secondBefore);

    ASSERT_TRUE(PumpUntil([&] { return first.events >= firstBefore + 4; }));
    EXPECT_EQ(second.events, secondBefore);
}

TEST_F(TimerTest, IntervalOfZeroOrLessNeverStarts) {
    for (const std::int32_t interval : {0, -1, -1000}) {
        CountingTimer counting(interval);
        counting.timer.Enabled(true);
        EXPECT_FALSE(counting.timer.Enabled()) << interval;
        EXPECT_TRUE(mTimer::TimerRegistry().empty()) << interval;
        EXPECT_EQ(counting.timer.Interval(), interval);
    }
#ifndef _WIN32
    hostenv::SetTimerRefuses(true);
    CountingTimer refused(1000);
    refused.timer.Enabled(true);
    EXPECT_FALSE(refused.timer.Enabled()) << "a refused platform timer leaves it stopped";
    EXPECT_TRUE(mTimer::TimerRegistry().empty());
#endif
}

TEST_F(TimerTest, RepeatedAssignmentsAreHarmless) {
    CountingTimer never(20);
    never.timer.Enabled(false);
    never.timer.Enabled(false);
    EXPECT_FALSE(never.timer.Enabled());

    CountingTimer running(20);
    running.timer.Enabled(true);
    const auto key = KeyOf(running.timer);
    running.timer.Enabled(true);
    EXPECT_TRUE(running.timer.Enabled()) << "enabling a running timer keeps it running";
    EXPECT_EQ(KeyOf(running.timer), key);
    running.timer.Enabled(false);
    running.timer.Enabled(false);
    EXPECT_FALSE(running.timer.Enabled());
    EXPECT_TRUE(mTimer::TimerRegistry().empty());

    // Stopped again, it can be started again.
    running.timer.Enabled(true);
    EXPECT_TRUE(running.timer.Enabled());
    ASSERT_TRUE(PumpUntil([&] { return running.events >= 1; }));
    running.timer.Enabled(false);
}

TEST_F(TimerTest, DestroyingARunningTimerStopsIt) {
    auto doomed = std::make_unique<CountingTimer>(20);
    doomed->timer.Enabled(true);
    const auto key = KeyOf(doomed->timer);
    ASSERT_TRUE(key.has_value());
    doomed.reset();
    EXPECT_EQ(mTimer::TimerRegistry().count(*key), 0u);
    EXPECT_FALSE(KillTimer(nullptr, IdOf(*key)));

    // Were the platform timer still running, its expiries would reach freed memory here.
    CountingTimer witness(20);
    witness.timer.Enabled(true);
    ASSERT_TRUE(PumpUntil([&] { return witness.events >= 3; }));
}

TEST_F(TimerTest, HandlerMayStopItsOwnTimer) {
    Timer timer;
    int events = 0;
    timer.TimerEvent = [&] {
        ++events;
        timer.Enabled(false);
    };
    timer.Interval(20);
    timer.Enabled(true);
    ASSERT_TRUE(PumpUntil([&] { return events == 1; }));
    EXPECT_FALSE(timer.Enabled());
    EXPECT_TRUE(mTimer::TimerRegistry().empty());

    CountingTimer witness(20);
    witness.timer.Enabled(true);
    ASSERT_TRUE(PumpUntil([&] { return witness.events >= 3; }));
    EXPECT_EQ(events, 1);
}

#ifndef _WIN32

TEST_F(TimerTest, HostOnlyFiresOncePerPeriodAtTheDueTick) {
    hostenv::SetTickCount(5000);
    Timer timer;
    std::vector<DWORD> ticks;
    timer.TimerEvent = [&] { ticks.push_back(GetTickCount()); };
    timer.Interval(1000);
    timer.Enabled(true);
    hostenv::AdvanceTime(999);
    EXPECT_TRUE(ticks.empty());
    hostenv::AdvanceTime(2001);
    EXPECT_EQ(ticks, (std::vector<DWORD>{6000, 7000, 8000}));
}

TEST_F(TimerTest, HostOnlyNewIntervalRestartsARunningTimer) {
    CountingTimer counting(100);
    counting.timer.Enabled(true);
    hostenv::AdvanceTime(250);
    EXPECT_EQ(counting.events, 2);

    counting.timer.Interval(40);
    EXPECT_TRUE(counting.timer.Enabled());
    EXPECT_EQ(hostenv::RunningTimerCount(), 1u);
    hostenv::AdvanceTime(200);
    EXPECT_EQ(counting.events, 7);

    counting.timer.Interval(0);
    EXPECT_FALSE(counting.timer.Enabled());
    EXPECT_EQ(hostenv::RunningTimerCount(), 0u);
    EXPECT_TRUE(mTimer::TimerRegistry().empty());
}

#endif

}  // namespace
