#include "scheduler/evaluation.h"

#include "text/dates.h"

namespace {

constexpr int kRowsPerAction = 5;
constexpr double kMillisecondsPerMinute = 60000.0;

bool AllDigits(const wchar_t* first, std::size_t count) {
    for (const wchar_t* end = first + count; first != end; ++first) {
        if (*first < L'0' || *first > L'9') {
            return false;
        }
    }
    return true;
}

int TwoDigits(const wchar_t* first) {
    return (first[0] - L'0') * 10 + (first[1] - L'0');
}

// The forms the program writes itself, "YYYY-MM-DD", "hh:mm" and "hh:mm:ss", read directly: the tick reads
// about a dozen such texts every second. Anything else, invalid values included, is left to the general
// reader, which reads these forms the same way.
std::optional<text::DateTimeReading> ReadWrittenForm(std::wstring_view text) {
    const wchar_t* c = text.data();
    const std::size_t size = text.size();
    text::DateTimeReading reading;
    if (size == 10 && c[4] == L'-' && c[7] == L'-' && AllDigits(c, 4) && AllDigits(c + 5, 2) && AllDigits(c + 8, 2)) {
        const int year = TwoDigits(c) * 100 + TwoDigits(c + 2);
        const int month = TwoDigits(c + 5);
        const int day = TwoDigits(c + 8);
        if (year >= 1 && day >= 1 && day <= text::DaysInMonth(year, month)) {
            reading.date = text::CivilDate{year, month, day};
            return reading;
        }
    } else if ((size == 5 || (size == 8 && c[5] == L':' && AllDigits(c + 6, 2))) && c[2] == L':' && AllDigits(c, 2) &&
               AllDigits(c + 3, 2)) {
        const int hour = TwoDigits(c);
        const int minute = TwoDigits(c + 3);
        const int second = size == 8 ? TwoDigits(c + 6) : 0;
        if (hour <= 23 && minute <= 59 && second <= 59) {
            reading.time = text::TimeOfDay{hour, minute, second};
            return reading;
        }
    }
    return std::nullopt;
}

std::optional<text::DateTimeReading> Read(std::wstring_view text) {
    if (auto reading = ReadWrittenForm(text)) {
        return reading;
    }
    return text.empty() ? std::nullopt : text::ReadDateTime(text);
}

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
        std::size_t count = 1;
        for (std::uint64_t rest = magnitude / 10u; rest != 0u; rest /= 10u) {
            ++count;
        }
        count = count < width ? width : count;
        length += count;
        for (wchar_t* digit = chars + length; count > 0; --count) {
            *--digit = static_cast<wchar_t>(L'0' + magnitude % 10u);
            magnitude /= 10u;
        }
        return *this;
    }
    KeyText& DateKey(const text::CivilDate& date) {
        return Number(date.year, 4).Number(date.month, 2).Number(date.day, 2);
    }
    KeyText& TimeKey(const text::TimeOfDay& time) { return Number(time.hour, 2).Number(time.minute, 2); }
    KeyText& Append(std::wstring_view part) {
        part.copy(chars + length, part.size());
        length += part.size();
        return *this;
    }
    std::wstring_view View() const { return {chars, length}; }

  private:
    wchar_t chars[64];  // only the first `length` are ever read
    std::size_t length = 0;
};

// A stored text rendered with "yyyymmdd": the empty text and a text that is no date stay as they are.
std::wstring_view RenderDateKey(std::wstring_view stored, KeyText& buffer) {
    const auto reading = Read(stored);
    if (!reading || !reading->date) {
        return stored;
    }
    return buffer.DateKey(*reading->date).View();
}

// A stored text rendered with "hhmm": a date alone is midnight; a text that reads as neither stays as it is.
std::wstring_view RenderTimeKey(std::wstring_view stored, KeyText& buffer) {
    const auto reading = Read(stored);
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

bool ReadMoment(std::wstring_view dateCaption, std::wstring_view timeCaption, Moment& moment) {
    const auto dateReading = Read(dateCaption);
    const auto timeReading = Read(timeCaption);
    if (!dateReading || !dateReading->date || !timeReading || !timeReading->time) {
        return false;
    }
    const text::CivilDate& date = *dateReading->date;
    const text::TimeOfDay& time = *timeReading->time;
    const std::wstring_view timeKey = moment.time.TimeKey(time).View();
    moment.dateTime.DateKey(date).Append(timeKey);
    moment.weekday.Number(text::WeekdayNumber(date)).Append(timeKey);
    moment.day.Number(date.day).Append(timeKey);
    return true;
}

// Exact text equality of `key` with `head` followed by `storedTime` rendered with "hhmm". The stored
// time is read only when the head fits, which on most days it does not.
bool EqualsWithTime(const KeyText& key, std::wstring_view head, std::wstring_view storedTime) {
    const std::wstring_view whole = key.View();
    if (whole.substr(0, head.size()) != head) {
        return false;
    }
    KeyText time;
    return whole.substr(head.size()) == RenderTimeKey(storedTime, time);
}

bool OnceIsDue(const ActionSchedule& schedule, const Moment& moment) {
    if (schedule.onceDate.empty() || schedule.onceTime.empty()) {
        return false;
    }
    KeyText date;
    return EqualsWithTime(moment.dateTime, RenderDateKey(schedule.onceDate, date), schedule.onceTime);
}

bool DailyIsDue(const ActionSchedule& schedule, const Moment& moment) {
    return !schedule.dailyTime.empty() && EqualsWithTime(moment.time, {}, schedule.dailyTime);
}

bool WeeklyIsDue(const ActionSchedule& schedule, const Moment& moment) {
    if (schedule.weeklyDayNumber == 0 || schedule.weeklyTime.empty()) {
        return false;
    }
    KeyText day;
    return EqualsWithTime(moment.weekday, day.Number(schedule.weeklyDayNumber).View(), schedule.weeklyTime);
}

bool MonthlyIsDue(const ActionSchedule& schedule, const Moment& moment) {
    if (schedule.monthlyTime.empty()) {
        return false;
    }
    KeyText day;
    return EqualsWithTime(moment.day, day.Number(schedule.monthlyDay).View(), schedule.monthlyTime);
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
    Moment moment;
    if (!ReadMoment(dateCaption, timeCaption, moment)) {
        return std::nullopt;
    }
    int firstRow = 1;
    for (const Action action : {Action::Shutdown, Action::Restart}) {
        if (const auto kind = FirstDue(model.For(action), moment, tickCount)) {
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
