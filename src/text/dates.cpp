#include "text/dates.h"

#include <algorithm>
#include <cwchar>

#include "text/blanks.h"

namespace text {

namespace {

// A run of minDigits to maxDigits decimal digits, not followed by another digit, taken from the front of `rest`.
std::optional<int> TakeNumber(std::wstring_view& rest, std::size_t minDigits, std::size_t maxDigits) {
    const std::size_t count = std::min(rest.find_first_not_of(L"0123456789"), rest.size());
    if (count < minDigits || count > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (const wchar_t digit : rest.substr(0, count)) {
        value = value * 10 + (digit - L'0');
    }
    rest.remove_prefix(count);
    return value;
}

bool Take(std::wstring_view& rest, wchar_t c) {
    if (rest.empty() || rest.front() != c) {
        return false;
    }
    rest.remove_prefix(1);
    return true;
}

// Four-digit year, then month and day of one or two digits, joined by the same separator twice.
std::optional<CivilDate> TakeDate(std::wstring_view& rest) {
    const auto year = TakeNumber(rest, 4, 4);
    const wchar_t separator = rest.empty() ? L'\0' : rest.front();
    if (!year || std::wstring_view(L"-/.").find(separator) == std::wstring_view::npos || !Take(rest, separator)) {
        return std::nullopt;
    }
    const auto month = TakeNumber(rest, 1, 2);
    if (!month || !Take(rest, separator)) {
        return std::nullopt;
    }
    const auto day = TakeNumber(rest, 1, 2);
    if (!day || *year < 1 || *day < 1 || *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    return CivilDate{*year, *month, *day};
}

// Hour and minute of one or two digits joined by ":", optionally ":" and the second.
std::optional<TimeOfDay> TakeTime(std::wstring_view& rest) {
    const auto hour = TakeNumber(rest, 1, 2);
    if (!hour || !Take(rest, L':')) {
        return std::nullopt;
    }
    const auto minute = TakeNumber(rest, 1, 2);
    std::optional<int> second = 0;
    if (Take(rest, L':')) {
        second = TakeNumber(rest, 1, 2);
    }
    if (!minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return TimeOfDay{*hour, *minute, *second};
}

std::wstring Printed(const wchar_t* format, int a, int b, int c = 0) {
    wchar_t buffer[40];
    std::swprintf(buffer, sizeof buffer / sizeof buffer[0], format, a, b, c);
    return buffer;
}

// A text without a date in it, the empty one included, stays as it is.
std::wstring RenderDate(std::wstring_view stored, std::wstring (*format)(const CivilDate&)) {
    const auto reading = ReadDateTime(stored);
    return reading && reading->date ? format(*reading->date) : std::wstring(stored);
}

// A date without a time is midnight; a text that reads as neither, the empty one included, stays as it is.
std::wstring RenderTime(std::wstring_view stored, std::wstring (*format)(const TimeOfDay&)) {
    const auto reading = ReadDateTime(stored);
    return reading ? format(reading->time.value_or(TimeOfDay{})) : std::wstring(stored);
}

}  // namespace

std::optional<DateTimeReading> ReadDateTime(std::wstring_view text) {
    std::wstring_view rest = Trim(text);
    if (rest.empty()) {
        return std::nullopt;
    }
    DateTimeReading reading;
    std::wstring_view afterDate = rest;
    reading.date = TakeDate(afterDate);
    if (reading.date) {
        if (afterDate.empty()) {
            return reading;
        }
        const std::size_t blanks = afterDate.find_first_not_of(kBlanks);
        if (blanks == 0) {
            return std::nullopt;
        }
        rest = afterDate.substr(blanks);
    }
    reading.time = TakeTime(rest);
    if (!reading.time || !rest.empty()) {
        return std::nullopt;
    }
    return reading;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int WeekdayNumber(const CivilDate& date) {
    // Counting the year from March puts the leap day at its end; each month's offset is its first day's
    // weekday shift.
    constexpr int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int year = date.month < 3 ? date.year - 1 : date.year;
    return (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[date.month - 1] + date.day) % 7 + 1;
}

std::wstring FormatIsoDate(const CivilDate& date) {
    return Printed(L"%04d-%02d-%02d", date.year, date.month, date.day);
}

std::wstring FormatDateKey(const CivilDate& date) {
    return Printed(L"%04d%02d%02d", date.year, date.month, date.day);
}

std::wstring FormatClock(const TimeOfDay& time) {
    return Printed(L"%02d:%02d:%02d", time.hour, time.minute, time.second);
}

std::wstring FormatTimeKey(const TimeOfDay& time) {
    return Printed(L"%02d%02d", time.hour, time.minute);
}

std::wstring FormatShortTime(const TimeOfDay& time) {
    return Printed(L"%02d:%02d", time.hour, time.minute);
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
