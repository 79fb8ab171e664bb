#include "app/clock_tick.h"

#include "scheduler/evaluation.h"

bool ClockTick::Run(const text::CivilDate& today,
                    const text::TimeOfDay& now,
                    std::int32_t tickCount,
                    const ScheduleModel& model,
                    Timer& timer,
                    TickWindow& window) {
    window.SetCaptions(text::FormatIsoDate(today), text::FormatClock(now));
    if (actionUnderWay) {
        return false;
    }
    // The moment is taken from the captions just written, not from a second reading of the clock.
    const auto due = FindDueTrigger(window.DateCaption(), window.TimeCaption(), tickCount, model);
    if (!due) {
        return false;
    }
    actionUnderWay = true;
    if (!executor) {
        executor.emplace(shutdownCalls);
    }
    executor->ShutDownNTbasedWindows(ShutDownModeFor(due->action));
    timer.Enabled(false);
    window.RemoveTrayIcon();
    return true;
}
