#include "scheduler/timer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scheduler/mtimer.h"
#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace {

// Lets expiries happen for a while: on Windows through the thread's message loop, until `done` holds or
// 5 s have passed; on the host by moving the stand-in's clock a second on.
bool Pump(const std::function<bool()>& done) {
#ifdef _WIN32
    for (const DWORD start = GetTickCount(); !done() && GetTickCount() - start < 5000;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
#else
    hostenv::AdvanceTime(1000);
#endif
    return done();
}

// The platform timer id under which `timer` is registered, or 0.
UINT_PTR IdOf(const Timer& timer) {
    for (const auto& [key, address] : mTimer::TimerRegistry()) {
        if (address == reinterpret_cast<std::uintptr_t>(&timer)) {
            return static_cast<UINT_PTR>(std::stoull(key.substr(3)));
        }
    }
    return 0;
}

// Unregistered, and the platform timer killed already.
void ExpectGone(UINT_PTR id) {
    EXPECT_EQ(mTimer::TimerRegistry().count(L"ID:" + std::to_wstring(id)), 0u);
    EXPECT_FALSE(KillTimer(nullptr, id)) << "the platform timer is still there";
}

struct CountingTimer : Timer {
    CountingTimer() {
        TimerEvent = [this] { ++events; };
    }
    int events = 0;
};

TEST(TimerObject, EachTimerGetsOnlyItsOwnExpiriesUntilDisabledOrDestroyed) {
    CountingTimer first;
    auto second = std::make_unique<CountingTimer>();
    first.Interval(20);
    second->Interval(30);
    EXPECT_TRUE(mTimer::TimerRegistry().empty()) << "nothing runs before it is enabled";
    first.Enabled(true);
    first.Enabled(true);
    second->Enabled(true);
    EXPECT_TRUE(first.Enabled());
    EXPECT_EQ(mTimer::TimerRegistry().size(), 2u) << "enabled twice, it runs once";
    const UINT_PTR firstId = IdOf(first);
    const UINT_PTR secondId = IdOf(*second);
    ASSERT_TRUE(firstId != 0 && secondId != 0) << firstId << " " << secondId;
    ASSERT_TRUE(Pump([&] { return first.events >= 2 && second->events >= 2; }));

    const int before[] = {first.events, second->events};
    mTimer::TimerProc(nullptr, WM_TIMER, firstId, 0);
    EXPECT_EQ(first.events, before[0] + 1);
    EXPECT_EQ(second->events, before[1]) << "the callback tells timers apart by id alone";

    first.Enabled(false);
    EXPECT_FALSE(first.Enabled());
    ExpectGone(firstId);
    mTimer::TimerProc(nullptr, WM_TIMER, firstId, 0);  // an expiry already queued when it stopped
    EXPECT_EQ(first.events, before[0] + 1);
    second.reset();
    ExpectGone(secondId);
}

TEST(TimerObject, StartsOnlyWithAPositiveIntervalAndMayStopItself) {
    Timer timer;
    int events = 0;
    timer.TimerEvent = [&] {
        ++events;
        timer.Enabled(false);
    };
    for (const std::int32_t interval : {-1, 0, 1}) {
        timer.Interval(interval);
        timer.Enabled(true);
        EXPECT_EQ(timer.Enabled(), interval > 0) << interval;
    }
    const UINT_PTR id = IdOf(timer);
    ASSERT_TRUE(Pump([&] { return events == 1; }));
    EXPECT_FALSE(timer.Enabled());
    ExpectGone(id);
}

#ifndef _WIN32

TEST(TimerObjectHostOnly, FiresEveryIntervalRestartsOnANewOneAndMayBeRefused) {
    std::vector<DWORD> ticks;
    Timer timer;
    timer.TimerEvent = [&] { ticks.push_back(GetTickCount()); };
    hostenv::SetTickCount(5000);
    timer.Interval(1000);
    timer.Enabled(true);
    hostenv::AdvanceTime(2500);
    timer.Interval(300);
    EXPECT_TRUE(timer.Enabled());
    hostenv::AdvanceTime(600);
    EXPECT_EQ(ticks, (std::vector<DWORD>{6000, 7000, 7800, 8100}));
    EXPECT_EQ(hostenv::RunningTimerCount(), 1u);

    timer.Interval(0);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(hostenv::RunningTimerCount(), 0u);
    hostenv::SetTimerRefuses(true);
    timer.Interval(1000);
    timer.Enabled(true);
    EXPECT_FALSE(timer.Enabled()) << "a refused platform timer leaves it stopped";
    EXPECT_TRUE(mTimer::TimerRegistry().empty());
    hostenv::SetTimerRefuses(false);
}

#endif

}  // namespace
