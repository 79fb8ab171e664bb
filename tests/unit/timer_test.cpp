#include "scheduler/timer.h"

#include <gtest/gtest.h>

#include <memory>
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

// The platform timer id under which `timer` is registered, or 0.
UINT_PTR IdOf(const Timer& timer) {
    for (const auto& [key, address] : mTimer::TimerRegistry()) {
        if (address == reinterpret_cast<std::uintptr_t>(&timer)) {
            const auto id = static_cast<UINT_PTR>(std::stoull(key.substr(3)));
            EXPECT_EQ(key, L"ID:" + std::to_wstring(id));
            return id;
        }
    }
    return 0;
}

// Unregistered, and the platform timer killed already.
void ExpectGone(UINT_PTR id) {
    EXPECT_EQ(mTimer::TimerRegistry().count(L"ID:" + std::to_wstring(id)), 0u);
    EXPECT_FALSE(KillTimer(nullptr, id)) << "the platform timer should be gone already";
}

struct CountingTimer : Timer {
    explicit CountingTimer(std::int32_t interval) {
        TimerEvent = [this] { ++events; };
        Interval(interval);
    }
    int events = 0;
};

// Lets a fresh timer fire three times, long enough for any timer left running to fire too.
void RunAWitness() {
    CountingTimer witness(20);
    witness.Enabled(true);
    ASSERT_TRUE(PumpUntil([&] { return witness.events >= 3; }));
}

class TimerTest : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef _WIN32
        hostenv::ResetTimers();
#endif
        ASSERT_TRUE(mTimer::TimerRegistry().empty());
    }
    void TearDown() override {
        EXPECT_TRUE(mTimer::TimerRegistry().empty());
    }
};

TEST_F(TimerTest, EachTimerGetsItsOwnExpiriesUntilDisabledOrDestroyed) {
    CountingTimer first(20);
    auto second = std::make_unique<CountingTimer>(30);
    EXPECT_FALSE(first.Enabled());
    EXPECT_TRUE(mTimer::TimerRegistry().empty()) << "nothing runs before it is enabled";
    first.Enabled(true);
    second->Enabled(true);
    EXPECT_TRUE(first.Enabled());
    const UINT_PTR firstId = IdOf(first);
    const UINT_PTR secondId = IdOf(*second);
    ASSERT_TRUE(firstId != 0 && secondId != 0 && firstId != secondId) << firstId << " " << secondId;
    ASSERT_TRUE(PumpUntil([&] { return first.events >= 2 && second->events >= 2; }));

    const int before[] = {first.events, second->events};
    mTimer::TimerProc(nullptr, WM_TIMER, firstId, 0);
    EXPECT_EQ(first.events, before[0] + 1);
    EXPECT_EQ(second->events, before[1]) << "the callback tells timers apart by id alone";

    first.Enabled(false);
    EXPECT_FALSE(first.Enabled());
    ExpectGone(firstId);
    const int firstEvents = first.events;
    mTimer::TimerProc(nullptr, WM_TIMER, firstId, 0);  // an expiry already queued when it stopped
    second.reset();
    ExpectGone(secondId);
    RunAWitness();
    EXPECT_EQ(first.events, firstEvents);
}

TEST_F(TimerTest, StartsOnlyWithAPositiveIntervalOnceHoweverOftenEnabledAndMayStopItself) {
    Timer timer;
    int events = 0;
    timer.TimerEvent = [&] {
        ++events;
        timer.Enabled(false);
    };
    for (const std::int32_t interval : {0, -1}) {
        timer.Interval(interval);
        timer.Enabled(true);
        EXPECT_FALSE(timer.Enabled()) << "an interval of " << interval << " never starts";
    }
    timer.Interval(20);
    for (int round = 1; round <= 2; ++round) {
        timer.Enabled(true);
        const UINT_PTR id = IdOf(timer);
        timer.Enabled(true);
        EXPECT_TRUE(timer.Enabled());
        EXPECT_EQ(IdOf(timer), id);
        ASSERT_TRUE(PumpUntil([&] { return events == round; }));
        EXPECT_FALSE(timer.Enabled());
        ExpectGone(id);
        timer.Enabled(false);
    }
    RunAWitness();
    EXPECT_EQ(events, 2);
}

#ifndef _WIN32

TEST_F(TimerTest, HostOnlyFiresAtEachDueTickRestartsOnANewIntervalAndMayBeRefused) {
    hostenv::SetTickCount(5000);
    std::vector<DWORD> ticks;
    Timer timer;
    timer.TimerEvent = [&] { ticks.push_back(GetTickCount()); };
    timer.Interval(1000);
    timer.Enabled(true);
    hostenv::AdvanceTime(999);
    EXPECT_TRUE(ticks.empty());
    hostenv::AdvanceTime(2001);
    EXPECT_EQ(ticks, (std::vector<DWORD>{6000, 7000, 8000}));

    hostenv::AdvanceTime(500);
    timer.Interval(300);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(hostenv::RunningTimerCount(), 1u);
    hostenv::AdvanceTime(600);
    EXPECT_EQ(ticks, (std::vector<DWORD>{6000, 7000, 8000, 8800, 9100}));

    timer.Interval(0);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(hostenv::RunningTimerCount(), 0u);

    hostenv::SetTimerRefuses(true);
    timer.Interval(1000);
    timer.Enabled(true);
    EXPECT_FALSE(timer.Enabled()) << "a refused platform timer leaves it stopped";
}

#endif

}  // namespace
