// The main window's once-a-second tick: show the clock, and act on the first trigger that is due.
#pragma once

#include <string>

#include "schedule/schedule_model.h"
#include "scheduler/timer.h"
#include "system/shutdown.h"

// The two clock labels of the main window.
class ClockLabels {
  public:
    virtual ~ClockLabels() = default;
    virtual void SetCaptions(const std::wstring& date, const std::wstring& time) = 0;
    virtual std::wstring DateCaption() const = 0;
    virtual std::wstring TimeCaption() const = 0;
};

class ClockTick {
  public:
    // One tick; true when a trigger was acted on (the timer is stopped and the tray icon removed), and
    // the program is to end at once.
    bool Run(ClockLabels& labels, const ScheduleModel& model, Timer& timer);

  private:
    clsShutdown executor;
    // Set once a due trigger has called the executor: the executor's failure box keeps ticks coming,
    // and the action already requested is not asked for again.
    bool actionUnderWay = false;
};
