// Test controls of the host stand-in for window-less timers: time only moves when a test moves it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

namespace hostenv {

// Moves the clock (and GetTickCount) forward by `milliseconds`, firing every expiry that falls due on
// the way, in time order, through the callback given to SetTimer, with the tick count at its due time.
void AdvanceTime(std::uint32_t milliseconds);
// Milliseconds until the next expiry, or 0 when no timer runs.
std::uint32_t NextTimerDue();
std::size_t RunningTimerCount();
// While set, SetTimer refuses (returns 0).
void SetTimerRefuses(bool refuse);
// Forgets every timer and the refusal; ids start again from the first one.
void ResetTimers();

}  // namespace hostenv
