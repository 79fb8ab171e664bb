// A periodic timer over the platform's window-less timers; each expiry raises the Timer event.
#pragma once

#include <any>
#include <cstdint>
#include <functional>

// The platform's timers as a Timer starts and stops them.
class PlatformTimers {
  public:
    virtual ~PlatformTimers() = default;
    // A periodic timer whose expiries reach mTimer::RaiseTimerOf with its id; 0 when the platform refuses.
    virtual std::uintptr_t Start(std::int32_t milliseconds) = 0;
    virtual void Stop(std::uintptr_t id) = 0;
};

class Timer {
  public:
    explicit Timer(PlatformTimers& timers) : platform(timers) {}
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::any Tag;  // for the holder's own use; the class never reads it

    std::int32_t Interval() const;
    void Interval(std::int32_t milliseconds);
    bool Enabled() const;
    void Enabled(bool enabled);

    // The Timer event: connected by the holder, raised once per expiry.
    std::function<void()> TimerEvent;
    void RaiseTimer() const;

  private:
    bool StartTimer();
    void StopTimer();

    PlatformTimers& platform;
    std::int32_t timerId = 0;
    std::int32_t storedInterval = 0;
    bool storedEnabled = false;
};
