#include "text/dates.h"

namespace text {

namespace {

constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

class DateTimeCursor {
  public:
    explicit DateTimeCursor(std::wstring_view text) : input(text) {}

    bool AtEnd() const { return position == input.size(); }

    wchar_t Peek() const { return AtEnd() ? L'\0' : input[position]; }

    bool Take(wchar_t c) {
        if (AtEnd() || input[position] != c) {
            return false;
        }
        ++position;
        return true;
    }

    // True when at least one blank was skipped.
    bool SkipBlanks() {
        const std::size_t start = position;
        while (!AtEnd() && IsBlank(input[position])) {
            ++position;
        }
        return position > start;
    }

    // A run of minDigits to maxDigits decimal digits, not followed by another digit.
    std::optional<int> TakeNumber(std::size_t minDigits, std::size_t maxDigits) {
        std::size_t count = 0;
        int value = 0;
        while (!AtEnd() && input[position] >= L'0' && input[position] <= L'9') {
            if (++count > maxDigits) {
                return std::nullopt;
            }
            value = value * 10 + static_cast<int>(input[position] - L'0');
            ++position;
        }
        if (count < minDigits) {
            return std::nullopt;
        }
        return value;
    }

  private:
    std::wstring_view input;
    std::size_t position = 0;
};

bool IsDateSeparator(wchar_t c) {
    return c == L'-' || c == L'/' || c == L'.';
}

// Four-digit year, then month and day of one or two digits, joined by the same separator twice.
std::optional<CivilDate> TakeDate(DateTimeCursor& cursor) {
    const auto year = cursor.TakeNumber(4, 4);
    const wchar_t separator = cursor.Peek();
    if (!year || !IsDateSeparator(separator) || !cursor.Take(separator)) {
        return std::nullopt;
    }
    const auto month = cursor.TakeNumber(1, 2);
    if (!month || !cursor.Take(separator)) {
        return std::nullopt;
    }
    const auto day = cursor.TakeNumber(1, 2);
    if (!day || *year < 1 || *day < 1 || *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    return CivilDate{*year, *month, *day};
}

// Hour and minute of one or two digits joined by ":", optionally ":" and the second.
std::optional<TimeOfDay> TakeTime(DateTimeCursor& cursor) {
    const auto hour = cursor.TakeNumber(1, 2);
    if (!hour || !cursor.Take(L':')) {
        return std::nullopt;
    }
    const auto minute = cursor.TakeNumber(1, 2);
    if (!minute) {
        return std::nullopt;
    }
    std::optional<int> second = 0;
    if (cursor.Take(L':')) {
        second = cursor.TakeNumber(1, 2);
    }
    if (!second || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return TimeOfDay{*hour, *minute, *second};
}

std::wstring Digits(int value, std::size_t width) {
    std::wstring digits = std::to_wstring(value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), L'0');
    }
    return digits;
}

// Days since 1970-01-01 in the proleptic Gregorian calendar.
long long DaysFromCivil(const CivilDate& date) {
    const long long year = date.month <= 2 ? date.year - 1 : date.year;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

template <typename Format>
std::wstring RenderDate(std::wstring_view stored, Format format) {
    if (stored.empty()) {
        return {};
    }
    const auto reading = ReadDateTime(stored);
    if (!reading || !reading->date) {
        return std::wstring(stored);
    }
    return format(*reading->date);
}

template <typename Format>
std::wstring RenderTime(std::wstring_view stored, Format format) {
    if (stored.empty()) {
        return {};
    }
    const auto reading = ReadDateTime(stored);
    if (!reading) {
        return std::wstring(stored);
    }
    return format(reading->time.value_or(TimeOfDay{}));
}

}  // namespace

std::optional<DateTimeReading> ReadDateTime(std::wstring_view text) {
    DateTimeCursor cursor(text);
    cursor.SkipBlanks();
    DateTimeReading reading;
    DateTimeCursor afterBlanks = cursor;
    reading.date = TakeDate(cursor);
    if (reading.date) {
        const bool blankFollows = cursor.SkipBlanks();
        if (cursor.AtEnd()) {
            return reading;
        }
        if (!blankFollows) {
            return std::nullopt;
        }
    } else {
        cursor = afterBlanks;
    }
    reading.time = TakeTime(cursor);
    cursor.SkipBlanks();
    if (!reading.time || !cursor.AtEnd()) {
        return std::nullopt;
    }
    return reading;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDaysInMonth[month - 1];
}

int WeekdayNumber(const CivilDate& date) {
    // 1970-01-01 was a Thursday, weekday number 5.
    const long long sinceSunday = (DaysFromCivil(date) + 4) % 7;
    return static_cast<int>(sinceSunday < 0 ? sinceSunday + 7 : sinceSunday) + 1;
}

std::wstring FormatIsoDate(const CivilDate& date) {
    return Digits(date.year, 4) + L'-' + Digits(date.month, 2) + L'-' + Digits(date.day, 2);
}

std::wstring FormatDateKey(const CivilDate& date) {
    return Digits(date.year, 4) + Digits(date.month, 2) + Digits(date.day, 2);
}

std::wstring FormatDayOfMonth(const CivilDate& date) {
    return Digits(date.day, 1);
}

std::wstring FormatClock(const TimeOfDay& time) {
    return Digits(time.hour, 2) + L':' + Digits(time.minute, 2) + L':' + Digits(time.second, 2);
}

std::wstring FormatTimeKey(const TimeOfDay& time) {
    return Digits(time.hour, 2) + Digits(time.minute, 2);
}

std::wstring FormatShortTime(const TimeOfDay& time) {
    return Digits(time.hour, 2) + L':' + Digits(time.minute, 2);
}

std::wstring RenderDateKey(std::wstring_view stored) {
    return RenderDate(stored, FormatDateKey);
}

std::wstring RenderIsoDate(std::wstring_view stored) {
    return RenderDate(stored, FormatIsoDate);
}

std::wstring RenderTimeKey(std::wstring_view stored) {
    return RenderTime(stored, FormatTimeKey);
}

std::wstring RenderShortTime(std::wstring_view stored) {
    return RenderTime(stored, FormatShortTime);
}

}  // namespace text
