// SetTimer and KillTimer without a window; every expiry goes through TimerProc to its Timer.
#pragma once

#include <windows.h>

#include "scheduler/timer.h"

class WindowlessTimers final : public PlatformTimers {
  public:
    std::uintptr_t Start(std::int32_t milliseconds) override;
    void Stop(std::uintptr_t id) override;
};

namespace mTimer {

void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR id, DWORD systemTime);

}  // namespace mTimer
