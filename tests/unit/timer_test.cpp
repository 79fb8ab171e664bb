#include "scheduler/timer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "scheduler/mtimer.h"
#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace {

// The platform timer id under which `timer` is registered, or 0.
UINT_PTR IdOf(const Timer& timer) {
    const auto& registry = mTimer::TimerRegistry();
    const auto entry = std::find_if(registry.begin(), registry.end(), [&timer](const auto& keyAndAddress) {
        return keyAndAddress.second == reinterpret_cast<std::uintptr_t>(&timer);
    });
    return entry == registry.end() ? 0 : static_cast<UINT_PTR>(std::stoull(entry->first.substr(3)));
}

// Unregistered, and the platform timer killed already.
bool Gone(UINT_PTR id) {
    return mTimer::TimerRegistry().count(L"ID:" + std::to_wstring(id)) == 0 && KillTimer(nullptr, id) == FALSE;
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
    EXPECT_TRUE(Gone(secondId));

    mTimer::TimerProc(nullptr, WM_TIMER, secondId, 0);  // an expiry already queued when it stopped
    EXPECT_EQ(secondEvents, 1);
#ifndef _WIN32
    // 50 expiries at 20 ms, then a new interval restarts the timer with it; a start the platform refuses leaves
    // the timer stopped.
    first->Interval(300);
    hostenv::AdvanceTime(600);
    EXPECT_EQ(firstEvents, 52);
    hostenv::SetTimerRefuses(true);
    second.Enabled(true);
    EXPECT_FALSE(second.Enabled());
#endif
    const UINT_PTR firstId = IdOf(*first);
    first.reset();
    EXPECT_TRUE(Gone(firstId));
}

}  // namespace
