#include "app/clock_tick.h"

#include "platform/win32.h"
#include "scheduler/evaluation.h"
#include "system/tray.h"
#include "text/dates.h"

bool ClockTick::Run(ClockLabels& labels, const ScheduleModel& model, Timer& timer) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    labels.SetCaptions(text::FormatIsoDate({now.wYear, now.wMonth, now.wDay}),
                       text::FormatClock({now.wHour, now.wMinute, now.wSecond}));
    if (actionUnderWay) {
        return false;
    }
    // The moment is taken from the captions just written, not from a second reading of the clock.
    const auto due =
        FindDueTrigger(labels.DateCaption(), labels.TimeCaption(), static_cast<std::int32_t>(GetTickCount()), model);
    if (!due) {
        return false;
    }
    actionUnderWay = true;
    executor.ShutDownNTbasedWindows(ShutDownModeFor(due->action));
    timer.Enabled(false);
    托盘::removeTrayIcon();
    return true;
}
