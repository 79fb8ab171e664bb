// Reading texts as calendar dates and times of day, and the patterns the program renders them with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CivilDate& other) const {
        return year == other.year && month == other.month && day == other.day;
    }
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const TimeOfDay& other) const {
        return hour == other.hour && minute == other.minute && second == other.second;
    }
};

// What a text reads as: a date, a time of day, or both (a date followed by a time).
struct DateTimeReading {
    std::optional<CivilDate> date;
    std::optional<TimeOfDay> time;
};

// The forms read, with blanks (spaces, tabs) allowed before and after:
//   date        four-digit year, month, day joined by "-", "/" or "." (the same one twice):
//               2026-12-04, 2026-1-5, 2026/12/4, 2026.12.04
//   time        hour:minute or hour:minute:second, one or two digits each: 23:05, 9:5, 9:05:30
//   date time   a date, one or more blanks, a time: 2026-12-04 23:05
// Calendars are checked (2026-02-29 is no date, 2028-02-29 is; years 0001-9999), as are the clock's
// ranges (hour 0-23, minute and second 0-59). nullopt when the text reads as neither a date nor a time.
std::optional<DateTimeReading> ReadDateTime(std::wstring_view text);

// Gregorian: divisible by 400, or by 4 and not by 100.
bool IsLeapYear(int year);
// 28 to 31; 0 for a month outside 1-12.
int DaysInMonth(int year, int month);
// Sunday = 1, Monday = 2, ... Saturday = 7, for a valid date.
int WeekdayNumber(const CivilDate& date);

// The patterns, applied to values.
std::wstring FormatIsoDate(const CivilDate& date);     // "YYYY-MM-DD", also "yyyy-mm-dd": 2026-12-04
std::wstring FormatDateKey(const CivilDate& date);     // "yyyymmdd": 20261204
std::wstring FormatClock(const TimeOfDay& time);       // "hh:mm:ss": 23:05:07
std::wstring FormatTimeKey(const TimeOfDay& time);     // "hhmm": 2305
std::wstring FormatShortTime(const TimeOfDay& time);   // "hh:mm": 23:05

// A stored text rendered with a pattern: the empty text stays empty; a text that reads as neither a
// date nor a time stays unchanged; a date without a time renders as midnight in the time patterns; a
// time without a date stays unchanged in the date patterns.
std::wstring RenderDateKey(std::wstring_view stored);    // "yyyymmdd"
std::wstring RenderIsoDate(std::wstring_view stored);    // "yyyy-mm-dd"
std::wstring RenderTimeKey(std::wstring_view stored);    // "hhmm"
std::wstring RenderShortTime(std::wstring_view stored);  // "hh:mm"

}  // namespace text
