// The main window's once-a-second tick: show the clock, and act on the first trigger that is due.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "schedule/schedule_model.h"
#include "scheduler/timer.h"
#include "system/shutdown.h"
#include "text/dates.h"

// The main window as the tick sees it: its two clock labels and its tray icon.
class TickWindow {
  public:
    virtual ~TickWindow() = default;
    virtual void SetCaptions(const std::wstring& date, const std::wstring& time) = 0;
    virtual std::wstring DateCaption() const = 0;
    virtual std::wstring TimeCaption() const = 0;
    virtual void RemoveTrayIcon() = 0;
};

class ClockTick {
  public:
    explicit ClockTick(ShutdownCalls& platform) : shutdownCalls(platform) {}

    // One tick at the local date and time given, with the platform's millisecond count since start taken as a
    // signed number. True when a trigger was acted on: the timer is stopped, the tray icon removed, and the
    // program is to end at once.
    bool Run(const text::CivilDate& today,
             const text::TimeOfDay& now,
             std::int32_t tickCount,
             const ScheduleModel& model,
             Timer& timer,
             TickWindow& window);

  private:
    ShutdownCalls& shutdownCalls;
    std::optional<clsShutdown> executor;  // created the first time a trigger is due
    // Set once a due trigger has called the executor: the executor's failure box keeps ticks coming, and the
    // action already requested is not asked for again.
    bool actionUnderWay = false;
};
