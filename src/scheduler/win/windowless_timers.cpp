#include "scheduler/win/windowless_timers.h"

#include "scheduler/mtimer.h"

std::uintptr_t WindowlessTimers::Start(std::int32_t milliseconds) {
    return SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), &mTimer::TimerProc);
}

void WindowlessTimers::Stop(std::uintptr_t id) {
    KillTimer(nullptr, id);
}

void CALLBACK mTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    RaiseTimerOf(id);
}
