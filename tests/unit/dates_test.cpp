#include "text/dates.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using text::CivilDate;
using text::TimeOfDay;

struct ReadCase {
    const wchar_t* text;
    std::optional<CivilDate> date;
    std::optional<TimeOfDay> time;
};

const ReadCase kReadable[] = {
    {L"2026-12-04", CivilDate{2026, 12, 4}, std::nullopt},
    {L"2026-1-5", CivilDate{2026, 1, 5}, std::nullopt},
    {L"2026/12/4", CivilDate{2026, 12, 4}, std::nullopt},
    {L"2026.12.04", CivilDate{2026, 12, 4}, std::nullopt},
    {L" \t2026-12-04  ", CivilDate{2026, 12, 4}, std::nullopt},
    {L"2028-02-29", CivilDate{2028, 2, 29}, std::nullopt},
    {L"0001-01-01", CivilDate{1, 1, 1}, std::nullopt},
    {L"9999-12-31", CivilDate{9999, 12, 31}, std::nullopt},
    {L"23:05", std::nullopt, TimeOfDay{23, 5, 0}},
    {L"9:05", std::nullopt, TimeOfDay{9, 5, 0}},
    {L"9:5", std::nullopt, TimeOfDay{9, 5, 0}},
    {L"9:05:30", std::nullopt, TimeOfDay{9, 5, 30}},
    {L"2026-12-04 23:05", CivilDate{2026, 12, 4}, TimeOfDay{23, 5, 0}},
    {L"2026-12-04\t 9:05:30", CivilDate{2026, 12, 4}, TimeOfDay{9, 5, 30}},
};

TEST(ReadDateTime, ReadsDatesTimesAndBoth) {
    for (const auto& c : kReadable) {
        const auto reading = text::ReadDateTime(c.text);
        ASSERT_TRUE(reading.has_value()) << testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(reading->date, c.date) << testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(reading->time, c.time) << testing::PrintToString(std::wstring(c.text));
    }
}

const wchar_t* const kUnreadable[] = {
    L"",
    L"2026-02-29",
    L"2100-02-29",
    L"2026-04-31",
    L"2026-13-01",
    L"2026-12-32",
    L"0000-01-01",
    L"24:00",
    L"23:05:60",
    L"0.5:30",
    L"20261204",
    L"2026-12/04",
    L"2026-12-04x",
    L"2026-12-04T23:05",
    L"23:05 2026-12-04",
    L":05",
    L"23:005",
    L"2026-12-04 23:05 x",
    L"２０２６-12-04",
    L"abc",
};

TEST(ReadDateTime, ReadsNeitherForInvalidOrOtherForms) {
    for (const wchar_t* text : kUnreadable) {
        EXPECT_FALSE(text::ReadDateTime(text).has_value()) << testing::PrintToString(std::wstring(text));
    }
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(text::IsLeapYear(2024));
    EXPECT_TRUE(text::IsLeapYear(2000));
    EXPECT_TRUE(text::IsLeapYear(2400));
    EXPECT_FALSE(text::IsLeapYear(2026));
    EXPECT_FALSE(text::IsLeapYear(1900));
    EXPECT_FALSE(text::IsLeapYear(2100));
    const int kLengths2026[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(text::DaysInMonth(2026, month), kLengths2026[month - 1]) << month;
    }
    EXPECT_EQ(text::DaysInMonth(2028, 2), 29);
    EXPECT_EQ(text::DaysInMonth(2100, 2), 28);
    EXPECT_EQ(text::DaysInMonth(2026, 0), 0);
    EXPECT_EQ(text::DaysInMonth(2026, 13), 0);
}

TEST(Calendar, WeekdaysCountFromSunday) {
    const std::pair<CivilDate, int> kKnown[] = {
        {{2026, 12, 4}, 6}, {{2026, 12, 6}, 1}, {{1970, 1, 1}, 5}, {{2000, 1, 1}, 7},
        {{2000, 2, 29}, 3}, {{1900, 1, 1}, 2},  {{1, 1, 1}, 2},    {{9999, 12, 31}, 6},
    };
    for (const auto& [date, weekday] : kKnown) {
        EXPECT_EQ(text::WeekdayNumber(date), weekday) << text::FormatIsoDate(date);
    }
}

// Every day of several years, leap years and a century year among them: each one reads back from its
// written forms, and the weekday advances by exactly one from day to day.
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
                ASSERT_TRUE(reading && reading->date) << iso;
                EXPECT_EQ(*reading->date, date) << iso;
                EXPECT_EQ(text::RenderIsoDate(std::to_wstring(year) + L"-" + std::to_wstring(month) + L"-" +
                                              std::to_wstring(day)),
                          iso);
                EXPECT_EQ(text::FormatDayOfMonth(date), std::to_wstring(day));
            }
        }
    }
}

TEST(Patterns, RenderDigitByDigit) {
    EXPECT_EQ(text::FormatIsoDate({2026, 12, 4}), L"2026-12-04");
    EXPECT_EQ(text::FormatIsoDate({987, 1, 1}), L"0987-01-01");
    EXPECT_EQ(text::FormatDateKey({2026, 12, 4}), L"20261204");
    EXPECT_EQ(text::FormatDayOfMonth({2026, 12, 4}), L"4");
    EXPECT_EQ(text::FormatClock({23, 5, 7}), L"23:05:07");
    EXPECT_EQ(text::FormatClock({0, 0, 0}), L"00:00:00");
    EXPECT_EQ(text::FormatTimeKey({23, 5, 0}), L"2305");
    EXPECT_EQ(text::FormatTimeKey({9, 5, 0}), L"0905");
    EXPECT_EQ(text::FormatShortTime({0, 0, 59}), L"00:00");
}

// Every time of day the dialogs can join ("9:5") or write ("09:05") renders to the same keys.
TEST(Patterns, EveryMinuteRendersFromBothStoredForms) {
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            const TimeOfDay time{hour, minute, 0};
            const std::wstring joined = std::to_wstring(hour) + L":" + std::to_wstring(minute);
            const std::wstring written = text::FormatShortTime(time);
            EXPECT_EQ(text::RenderShortTime(joined), written);
            EXPECT_EQ(text::RenderTimeKey(written), text::FormatTimeKey(time));
            EXPECT_EQ(text::RenderTimeKey(text::FormatClock({hour, minute, 59})), text::FormatTimeKey(time));
        }
    }
}

struct RenderCase {
    const wchar_t* stored;
    const wchar_t* dateKey;
    const wchar_t* isoDate;
    const wchar_t* timeKey;
    const wchar_t* shortTime;
};

const RenderCase kRenderCases[] = {
    {L"", L"", L"", L"", L""},
    {L"2026-12-04", L"20261204", L"2026-12-04", L"0000", L"00:00"},
    {L"2026-1-5", L"20260105", L"2026-01-05", L"0000", L"00:00"},
    {L"23:05", L"23:05", L"23:05", L"2305", L"23:05"},
    {L"9:05", L"9:05", L"9:05", L"0905", L"09:05"},
    {L"2026-12-04 23:05:07", L"20261204", L"2026-12-04", L"2305", L"23:05"},
    {L"2026-02-29", L"2026-02-29", L"2026-02-29", L"2026-02-29", L"2026-02-29"},
    {L"25:00", L"25:00", L"25:00", L"25:00", L"25:00"},
    {L"周三", L"周三", L"周三", L"周三", L"周三"},
};

TEST(Render, StoredTextsWithEachPattern) {
    for (const auto& c : kRenderCases) {
        EXPECT_EQ(text::RenderDateKey(c.stored), c.dateKey) << testing::PrintToString(std::wstring(c.stored));
        EXPECT_EQ(text::RenderIsoDate(c.stored), c.isoDate) << testing::PrintToString(std::wstring(c.stored));
        EXPECT_EQ(text::RenderTimeKey(c.stored), c.timeKey) << testing::PrintToString(std::wstring(c.stored));
        EXPECT_EQ(text::RenderShortTime(c.stored), c.shortTime) << testing::PrintToString(std::wstring(c.stored));
    }
}

}  // namespace
