#include "scheduler/timer.h"

#include "scheduler/mtimer.h"

namespace {

std::uintptr_t PlatformId(std::int32_t timerId) {
    return static_cast<std::uint32_t>(timerId);
}

}  // namespace

Timer::~Timer() {
    StopTimer();
}

std::int32_t Timer::Interval() const {
    return storedInterval;
}

void Timer::Interval(std::int32_t milliseconds) {
    storedInterval = milliseconds;
    // A running timer restarts with the new period rather than running on at the old one while Enabled
    // reads false.
    const bool enabled = storedEnabled;
    StopTimer();
    Enabled(enabled);
}

bool Timer::Enabled() const {
    return storedEnabled;
}

void Timer::Enabled(bool enabled) {
    // Enabling a running timer leaves it running.
    if (!enabled) {
        StopTimer();
    } else if (timerId == 0) {
        storedEnabled = StartTimer();
    }
}

void Timer::RaiseTimer() const {
    if (TimerEvent) {
        TimerEvent();
    }
}

bool Timer::StartTimer() {
    if (storedInterval <= 0) {
        return false;
    }
    timerId = static_cast<std::int32_t>(platform.Start(storedInterval));
    if (timerId == 0) {
        return false;
    }
    mTimer::TimerRegistry()[mTimer::RegistryKey(PlatformId(timerId))] = reinterpret_cast<std::uintptr_t>(this);
    return true;
}

void Timer::StopTimer() {
    if (timerId == 0) {
        return;
    }
    platform.Stop(PlatformId(timerId));
    mTimer::TimerRegistry().erase(mTimer::RegistryKey(PlatformId(timerId)));
    timerId = 0;
    storedEnabled = false;
}
