// Window-less timers fire through the thread's message loop and reach their Timer until it stops.
#include "scheduler/win/windowless_timers.h"

#include <gtest/gtest.h>

#include "scheduler/mtimer.h"

TEST(WindowlessTimers, ExpiriesReachTheirTimerUntilItStops) {
    WindowlessTimers timers;
    Timer timer(timers);
    int events = 0;
    timer.TimerEvent = [&] { timer.Enabled(++events < 2); };
    timer.Interval(20);
    timer.Enabled(true);
    MSG message;
    for (const DWORD start = GetTickCount(); events < 2 && GetTickCount() - start < 5000;) {
        GetMessageW(&message, nullptr, 0, 0);
        DispatchMessageW(&message);
    }
    EXPECT_EQ(std::pair(events, timer.Enabled()), std::pair(2, false));
    EXPECT_TRUE(mTimer::TimerRegistry().empty());
}
