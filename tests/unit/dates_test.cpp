#include "text/dates.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using text::CivilDate;

TEST(ReadDateTime, TextsThatAreNeitherDateNorTime) {
    const wchar_t* const kUnreadable[] = {
        L"",           L" ",           L"abc",           L"2026-02-29",    L"2100-02-29",  L"2026-04-31", L"2026-13-01",
        L"2026-00-01", L"2026-01-00",  L"20261-1-5",     L"2026-001-05",   L"2026-01-005", L"0000-01-01", L"24:00",
        L"23:60",      L"23:05:60",    L":05",           L"23:",           L"23:005",      L"123:05",     L"20261204",
        L"2026-12/04", L"2026-12-04x", L"9:05 2026-1-4", L"2026-1-4 9:5 x"};
    for (const wchar_t* text : kUnreadable) {
        EXPECT_FALSE(text::ReadDateTime(text).has_value()) << testing::PrintToString(std::wstring(text));
    }
}

// From a known Sunday, the weekday advances by one a day through every month's length, across 1900, 2000 and 2100.
TEST(Calendar, MonthLengthsAndWeekdaysAgree) {
    int weekday = 1;
    for (CivilDate date{1899, 12, 31}; date.year <= 2101; weekday = weekday % 7 + 1) {
        ASSERT_EQ(text::WeekdayNumber(date), weekday) << text::FormatIsoDate(date);
        const bool monthEnds = date.day >= text::DaysInMonth(date.year, date.month);
        date = !monthEnds        ? CivilDate{date.year, date.month, date.day + 1}
               : date.month < 12 ? CivilDate{date.year, date.month + 1, 1}
                                 : CivilDate{date.year + 1, 1, 1};
    }
}

// Reading and each pattern together: a text without a date or a time in it stays as it is.
TEST(Render, StoredTextsWithEachPattern) {
    // Rendered as yyyymmdd, yyyy-mm-dd, hhmm and hh:mm.
    const std::pair<const wchar_t*, const wchar_t*> kRenderCases[] = {
        {L"", L"|||"},
        {L"0987-1-5", L"09870105|0987-01-05|0000|00:00"},
        {L" \t0001/12/04  ", L"00011204|0001-12-04|0000|00:00"},
        {L"2028.02.29", L"20280229|2028-02-29|0000|00:00"},
        {L"9:5 ", L"9:5 |9:5 |0905|09:05"},
        {L"2026-12-04\t23:05:59", L"20261204|2026-12-04|2305|23:05"},
        {L"周三", L"周三|周三|周三|周三"},
    };
    for (const auto& [stored, rendered] : kRenderCases) {
        EXPECT_EQ(text::RenderDateKey(stored) + L"|" + text::RenderIsoDate(stored) + L"|" +
                      text::RenderTimeKey(stored) + L"|" + text::RenderShortTime(stored),
                  rendered);
    }
    EXPECT_EQ(text::FormatClock({3, 5, 7}), L"03:05:07");
}

}  // namespace
