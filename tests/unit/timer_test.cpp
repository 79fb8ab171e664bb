#include "scheduler/timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "scheduler/mtimer.h"
#include "support/recording_platform.h"

namespace {

std::uintptr_t Address(const Timer& timer) {
    return reinterpret_cast<std::uintptr_t>(&timer);
}

// Two timers: the first runs from the first positive interval until destroyed, the second stops itself in its
// first expiry. Expiries arrive as the callback passes them on, by platform timer id.
TEST(TimerObject, RunsOnlyWithAPositiveIntervalAndEachGetsItsOwnExpiries) {
    RecordingPlatform platform;
    int firstEvents = 0;
    int secondEvents = 0;
    auto first = std::make_unique<Timer>(platform);
    Timer second(platform);
    first->TimerEvent = [&] { ++firstEvents; };
    second.TimerEvent = [&] {
        ++secondEvents;
        second.Enabled(false);
    };
    for (const std::int32_t interval : {-1, 0, 1}) {
        first->Interval(interval);
        first->Enabled(true);
        EXPECT_EQ(first->Enabled(), interval > 0) << interval;
    }
    first->Enabled(true);  // running already: nothing more
    second.Interval(30);
    second.Enabled(true);
    EXPECT_EQ(mTimer::TimerRegistry(), (mTimer::Registry{{L"ID:1", Address(*first)}, {L"ID:2", Address(second)}}));
    for (const std::uintptr_t id : {2u, 1u, 2u, 1u}) {  // the second expiry of timer 2 was queued before it stopped
        mTimer::RaiseTimerOf(id);
    }
    EXPECT_EQ(std::pair(firstEvents, secondEvents), std::pair(2, 1));
    first->Interval(300);  // restarts with the new period
    platform.timersRefused = true;
    second.Enabled(true);
    EXPECT_FALSE(second.Enabled());
    first.reset();
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"start 1", "start 30", "stop 2", "stop 1", "start 300", "start 30", "stop 3"}));
    EXPECT_TRUE(mTimer::TimerRegistry().empty());
}

}  // namespace
