#include "text/dates.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace {

using text::CivilDate;
using text::TimeOfDay;

constexpr std::nullopt_t kNone = std::nullopt;

const struct {
    const wchar_t* text;
    std::optional<CivilDate> date;
    std::optional<TimeOfDay> time;
} kReadable[] = {
    {L"2026-1-5", CivilDate{2026, 1, 5}, kNone},
    {L"2026/12/4", CivilDate{2026, 12, 4}, kNone},
    {L" \t2026.12.04  ", CivilDate{2026, 12, 4}, kNone},
    {L"0001-01-01", CivilDate{1, 1, 1}, kNone},
    {L"9999-12-31", CivilDate{9999, 12, 31}, kNone},
    {L"23:05", kNone, TimeOfDay{23, 5, 0}},
    {L"9:5", kNone, TimeOfDay{9, 5, 0}},
    {L"2026-12-04\t 9:05:59", CivilDate{2026, 12, 4}, TimeOfDay{9, 5, 59}},
};

const wchar_t* const kUnreadable[] = {
    L"",           L"abc",        L"２０２６-12-04", L"2026-02-29",  L"2100-02-29",       L"2026-04-31",
    L"2026-13-01", L"0000-01-01", L"24:00",          L"23:60",       L"23:05:60",         L":05",
    L"23:005",     L"20261204",   L"2026-12/04",     L"2026-12-04x", L"23:05 2026-12-04", L"2026-12-04 23:05 x"};

TEST(ReadDateTime, ReadsDatesTimesAndBoth) {
    for (const auto& c : kReadable) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        const auto reading = text::ReadDateTime(c.text);
        ASSERT_TRUE(reading.has_value());
        EXPECT_EQ(reading->date, c.date);
        EXPECT_EQ(reading->time, c.time);
    }
    for (const wchar_t* text : kUnreadable) {
        EXPECT_FALSE(text::ReadDateTime(text).has_value()) << testing::PrintToString(std::wstring(text));
    }
}

TEST(Calendar, LeapYearsMonthLengthsAndWeekdays) {
    const std::pair<int, bool> kLeap[] = {{2024, true}, {2000, true}, {2400, true}, {1900, false}, {2026, false}};
    for (const auto& [year, leap] : kLeap) {
        EXPECT_EQ(text::IsLeapYear(year), leap) << year;
    }
    const int kLengths2026[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
    for (int month = 0; month <= 13; ++month) {
        EXPECT_EQ(text::DaysInMonth(2026, month), kLengths2026[month]) << month;
    }
    EXPECT_EQ(text::DaysInMonth(2028, 2), 29);
    const std::pair<CivilDate, int> kKnown[] = {
        {{2026, 12, 6}, 1}, {{1970, 1, 1}, 5}, {{2000, 2, 29}, 3}, {{1, 1, 1}, 2}, {{9999, 12, 31}, 6}};
    for (const auto& [date, weekday] : kKnown) {
        EXPECT_EQ(text::WeekdayNumber(date), weekday) << text::FormatIsoDate(date);
    }
}

// Years around a century that is no leap year: every day reads back from its written form, and the
// weekday advances by exactly one from day to day.
TEST(Calendar, EveryDayReadsBackAndAdvancesTheWeekday) {
    int expectedWeekday = text::WeekdayNumber({2095, 1, 1});
    for (int year = 2095; year <= 2105; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= text::DaysInMonth(year, month); ++day) {
                const CivilDate date{year, month, day};
                const std::wstring iso = text::FormatIsoDate(date);
                ASSERT_EQ(text::WeekdayNumber(date), expectedWeekday) << iso;
                expectedWeekday = expectedWeekday % 7 + 1;
                const auto reading = text::ReadDateTime(iso);
                ASSERT_TRUE(reading && reading->date == date) << iso;
                EXPECT_EQ(text::FormatDayOfMonth(date), std::to_wstring(day));
            }
        }
    }
}

// Every time of day the dialogs can join ("9:5") or write ("09:05") renders to the same keys.
TEST(Patterns, EveryMinuteRendersFromBothStoredForms) {
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            const TimeOfDay time{hour, minute, 0};
            const std::wstring written = text::FormatShortTime(time);
            EXPECT_EQ(text::RenderShortTime(std::to_wstring(hour) + L":" + std::to_wstring(minute)), written);
            EXPECT_EQ(text::RenderTimeKey(written), text::FormatTimeKey(time));
            EXPECT_EQ(text::RenderTimeKey(text::FormatClock({hour, minute, 59})), text::FormatTimeKey(time));
        }
    }
}

// Columns: yyyymmdd, yyyy-mm-dd, hhmm, hh:mm.
const struct {
    const wchar_t* stored;
    const wchar_t* rendered[4];
} kRenderCases[] = {
    {L"", {L"", L"", L"", L""}},
    {L"0987-1-5", {L"09870105", L"0987-01-05", L"0000", L"00:00"}},
    {L"9:05", {L"9:05", L"9:05", L"0905", L"09:05"}},
    {L"2026-12-04 23:05:07", {L"20261204", L"2026-12-04", L"2305", L"23:05"}},
    {L"2026-02-29", {L"2026-02-29", L"2026-02-29", L"2026-02-29", L"2026-02-29"}},
    {L"周三", {L"周三", L"周三", L"周三", L"周三"}},
};

TEST(Render, StoredTextsWithEachPattern) {
    EXPECT_EQ(text::FormatClock({3, 5, 7}), L"03:05:07");
    for (const auto& c : kRenderCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.stored)));
        EXPECT_EQ(text::RenderDateKey(c.stored), c.rendered[0]);
        EXPECT_EQ(text::RenderIsoDate(c.stored), c.rendered[1]);
        EXPECT_EQ(text::RenderTimeKey(c.stored), c.rendered[2]);
        EXPECT_EQ(text::RenderShortTime(c.stored), c.rendered[3]);
    }
}

}  // namespace
