#include "scheduler/evaluation.h"

#include <array>

#include "text/dates.h"

namespace {

constexpr int kRowsPerAction = 5;
constexpr double kMillisecondsPerMinute = 60000.0;

// A short text built in place: the tick runs every second and compares about twenty values, so its keys
// are put together without allocating.
class KeyText {
  public:
    // Decimal digits, "-" for negatives, zero-padded to `width` like the date and time patterns.
    KeyText& Number(std::int64_t value, std::size_t width = 1) {
        std::uint64_t magnitude = static_cast<std::uint64_t>(value);
        if (value < 0) {
            chars[length++] = L'-';
            magnitude = 0u - magnitude;
        }
        std::array<wchar_t, 20> reversed{};
        std::size_t count = 0;
        do {
            reversed[count++] = static_cast<wchar_t>(L'0' + magnitude % 10u);
            magnitude /= 10u;
        } while (magnitude != 0u);
        for (; count < width; ++count) {
            reversed[count] = L'0';
        }
        while (count > 0) {
            chars[length++] = reversed[--count];
        }
        return *this;
    }
    KeyText& DateKey(const text::CivilDate& date) {
        return Number(date.year, 4).Number(date.month, 2).Number(date.day, 2);
    }
    KeyText& TimeKey(const text::TimeOfDay& time) { return Number(time.hour, 2).Number(time.minute, 2); }
    std::wstring_view View() const { return {chars.data(), length}; }

  private:
    std::array<wchar_t, 64> chars{};
    std::size_t length = 0;
};

// A stored text rendered with "yyyymmdd": the empty text and a text that is no date stay as they are.
std::wstring_view RenderDateKey(std::wstring_view stored, KeyText& buffer) {
    const auto reading = stored.empty() ? std::nullopt : text::ReadDateTime(stored);
    if (!reading || !reading->date) {
        return stored;
    }
    return buffer.DateKey(*reading->date).View();
}

// A stored text rendered with "hhmm": a date alone is midnight; a text that reads as neither stays as it is.
std::wstring_view RenderTimeKey(std::wstring_view stored, KeyText& buffer) {
    const auto reading = stored.empty() ? std::nullopt : text::ReadDateTime(stored);
    if (!reading) {
        return stored;
    }
    return buffer.TimeKey(reading->time.value_or(text::TimeOfDay{})).View();
}

// The current moment as the four keys the stored fields are compared with.
struct Moment {
    KeyText dateTime;  // "yyyymmdd" "hhmm"
    KeyText time;      // "hhmm"
    KeyText weekday;   // weekday digit, "hhmm"
    KeyText day;       // "d", "hhmm"
};

std::optional<Moment> ReadMoment(std::wstring_view dateCaption, std::wstring_view timeCaption) {
    const auto dateReading = text::ReadDateTime(dateCaption);
    const auto timeReading = text::ReadDateTime(timeCaption);
    if (!dateReading || !dateReading->date || !timeReading || !timeReading->time) {
        return std::nullopt;
    }
    const text::CivilDate& date = *dateReading->date;
    const text::TimeOfDay& time = *timeReading->time;
    Moment moment;
    moment.dateTime.DateKey(date).TimeKey(time);
    moment.time.TimeKey(time);
    moment.weekday.Number(text::WeekdayNumber(date)).TimeKey(time);
    moment.day.Number(date.day).TimeKey(time);
    return moment;
}

// Exact text equality of `key` with `head` followed by `tail`.
bool EqualsJoined(const KeyText& key, std::wstring_view head, std::wstring_view tail) {
    const std::wstring_view whole = key.View();
    return whole.size() == head.size() + tail.size() && whole.substr(0, head.size()) == head &&
           whole.substr(head.size()) == tail;
}

bool OnceIsDue(const ActionSchedule& schedule, const Moment& moment) {
    if (schedule.onceDate.empty() || schedule.onceTime.empty()) {
        return false;
    }
    KeyText date;
    KeyText time;
    return EqualsJoined(moment.dateTime, RenderDateKey(schedule.onceDate, date),
                        RenderTimeKey(schedule.onceTime, time));
}

bool DailyIsDue(const ActionSchedule& schedule, const Moment& moment) {
    KeyText time;
    return !schedule.dailyTime.empty() && EqualsJoined(moment.time, {}, RenderTimeKey(schedule.dailyTime, time));
}

bool WeeklyIsDue(const ActionSchedule& schedule, const Moment& moment) {
    if (schedule.weeklyDayNumber == 0 || schedule.weeklyTime.empty()) {
        return false;
    }
    KeyText day;
    KeyText time;
    return EqualsJoined(moment.weekday, day.Number(schedule.weeklyDayNumber).View(),
                        RenderTimeKey(schedule.weeklyTime, time));
}

bool MonthlyIsDue(const ActionSchedule& schedule, const Moment& moment) {
    if (schedule.monthlyTime.empty()) {
        return false;
    }
    KeyText day;
    KeyText time;
    return EqualsJoined(moment.day, day.Number(schedule.monthlyDay).View(), RenderTimeKey(schedule.monthlyTime, time));
}

bool AfterStartIsDue(const ActionSchedule& schedule, std::int32_t tickCount) {
    return schedule.bootMinutes > 0 && tickCount / kMillisecondsPerMinute >= schedule.bootMinutes;
}

std::optional<TriggerKind> FirstDue(const ActionSchedule& schedule, const Moment& moment, std::int32_t tickCount) {
    if (OnceIsDue(schedule, moment)) {
        return TriggerKind::Once;
    }
    if (DailyIsDue(schedule, moment)) {
        return TriggerKind::Daily;
    }
    if (WeeklyIsDue(schedule, moment)) {
        return TriggerKind::Weekly;
    }
    if (MonthlyIsDue(schedule, moment)) {
        return TriggerKind::Monthly;
    }
    if (AfterStartIsDue(schedule, tickCount)) {
        return TriggerKind::AfterStart;
    }
    return std::nullopt;
}

}  // namespace

std::optional<DueTrigger> FindDueTrigger(std::wstring_view dateCaption,
                                         std::wstring_view timeCaption,
                                         std::int32_t tickCount,
                                         const ScheduleModel& model) {
    const auto moment = ReadMoment(dateCaption, timeCaption);
    if (!moment) {
        return std::nullopt;
    }
    int firstRow = 1;
    for (const Action action : {Action::Shutdown, Action::Restart}) {
        if (const auto kind = FirstDue(model.For(action), *moment, tickCount)) {
            return DueTrigger{action, *kind, firstRow + static_cast<int>(*kind)};
        }
        firstRow += kRowsPerAction;
    }
    return std::nullopt;
}

std::int32_t ShutDownModeFor(Action action) {
    constexpr std::int32_t kPowerOff = 8;
    constexpr std::int32_t kReboot = 2;
    return action == Action::Shutdown ? kPowerOff : kReboot;
}
