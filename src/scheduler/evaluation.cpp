#include "scheduler/evaluation.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "text/dates.h"
#include "text/numbers.h"

namespace {

// Rows 1 to 4 of an action: due when its stored fields, rendered, equal the current moment's key of the same
// kind. An empty one-time time is never due, whatever the date renders as.
std::optional<TriggerKind> FirstDue(const ActionSchedule& s, const std::wstring (&now)[4], std::int32_t tickCount) {
    using text::FormatInteger;
    using text::RenderTimeKey;
    const std::wstring stored[] = {
        s.onceTime.empty() ? L"" : text::RenderDateKey(s.onceDate) + RenderTimeKey(s.onceTime),
        RenderTimeKey(s.dailyTime),
        FormatInteger(s.weeklyDayNumber) + RenderTimeKey(s.weeklyTime),
        FormatInteger(s.monthlyDay) + RenderTimeKey(s.monthlyTime),
    };
    const auto* const due = std::mismatch(std::begin(stored), std::end(stored), now, std::not_equal_to<>()).first;
    if (due != std::end(stored)) {
        return static_cast<TriggerKind>(due - std::begin(stored));
    }
    if (s.bootMinutes > 0 && tickCount / 60000.0 >= s.bootMinutes) {
        return TriggerKind::AfterStart;
    }
    return std::nullopt;
}

}  // namespace

std::optional<DueTrigger> FindDueTrigger(std::wstring_view dateCaption,
                                         std::wstring_view timeCaption,
                                         std::int32_t tickCount,
                                         const ScheduleModel& model) {
    const auto date = text::ReadDateTime(dateCaption);
    const auto time = text::ReadDateTime(timeCaption);
    if (!date || !date->date || !time || !time->time) {
        return std::nullopt;
    }
    const std::wstring timeKey = text::FormatTimeKey(*time->time);
    // The moment as rows 1 to 4 compare it: the date key, nothing, the weekday, the day, each before the time key.
    const std::wstring now[] = {
        text::FormatDateKey(*date->date) + timeKey,
        timeKey,
        text::FormatInteger(text::WeekdayNumber(*date->date)) + timeKey,
        text::FormatInteger(date->date->day) + timeKey,
    };
    for (const Action action : {Action::Shutdown, Action::Restart}) {
        if (const auto kind = FirstDue(model.For(action), now, tickCount)) {
            return DueTrigger{action, *kind};
        }
    }
    return std::nullopt;
}

std::int32_t ShutDownModeFor(Action action) {
    return action == Action::Shutdown ? 8 : 2;
}
