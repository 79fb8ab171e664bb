#include "scheduler/timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "scheduler/mtimer.h"
#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace {

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

// Two timers: the first runs from the first positive interval until destroyed, the second stops itself in its
// first expiry.
TEST(TimerObject, RunsOnlyWithAPositiveIntervalAndEachGetsItsOwnExpiries) {
    int firstEvents = 0;
    int secondEvents = 0;
    auto first = std::make_unique<Timer>();
    Timer second;
    first->TimerEvent = [&] { ++firstEvents; };
    second.TimerEvent = [&] {
        ++secondEvents;
        second.Enabled(false);
    };
    for (const std::int32_t interval : {-1, 0, 20}) {
        first->Interval(interval);
        first->Enabled(true);
        EXPECT_EQ(first->Enabled(), interval > 0) << interval;
    }
    first->Enabled(true);
    second.Interval(30);
    second.Enabled(true);
    EXPECT_EQ(mTimer::TimerRegistry().size(), 2u) << "enabled twice, it runs once";
    const UINT_PTR firstId = IdOf(*first);
    const UINT_PTR secondId = IdOf(second);
    // Expiries come through the thread's message loop on Windows, and as the stand-in's clock moves on the host.
    const auto done = [&] { return firstEvents >= 2 && secondEvents == 1; };
#ifdef _WIN32
    MSG message;
    for (const DWORD start = GetTickCount();
         !done() && GetTickCount() - start < 5000 && GetMessageW(&message, nullptr, 0, 0);) {
        DispatchMessageW(&message);
    }
#else
    hostenv::AdvanceTime(1000);
#endif
    ASSERT_TRUE(done());
    EXPECT_FALSE(second.Enabled());
    ExpectGone(secondId);

    const int before = firstEvents;
    mTimer::TimerProc(nullptr, WM_TIMER, secondId, 0);  // an expiry already queued when it stopped
    mTimer::TimerProc(nullptr, WM_TIMER, firstId, 0);
    EXPECT_EQ(std::pair(firstEvents, secondEvents), std::pair(before + 1, 1)) << "timers are told apart by id alone";
    first.reset();
    ExpectGone(firstId);
}

#ifndef _WIN32

TEST(TimerObjectHostOnly, ANewIntervalRestartsTheTimerAndARefusedStartLeavesItStopped) {
    std::vector<DWORD> ticks;
    Timer timer;
    timer.TimerEvent = [&] { ticks.push_back(GetTickCount()); };
    hostenv::SetTickCount(5000);
    timer.Interval(1000);
    timer.Enabled(true);
    hostenv::AdvanceTime(2500);
    timer.Interval(300);
    hostenv::AdvanceTime(600);
    EXPECT_EQ(ticks, (std::vector<DWORD>{6000, 7000, 7800, 8100}));
    EXPECT_EQ(hostenv::RunningTimerCount(), 1u);

    hostenv::SetTimerRefuses(true);
    timer.Interval(1000);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(hostenv::RunningTimerCount(), 0u);
    EXPECT_TRUE(mTimer::TimerRegistry().empty());
    hostenv::SetTimerRefuses(false);
}

#endif

}  // namespace
