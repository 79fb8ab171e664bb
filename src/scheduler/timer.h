// A periodic timer over the platform's window-less timers; each expiry raises the Timer event.
#pragma once

#include <any>
#include <cstdint>
#include <functional>

class Timer {
  public:
    Timer() = default;
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

    std::int32_t timerId = 0;
    std::int32_t storedInterval = 0;
    bool storedEnabled = false;
};
