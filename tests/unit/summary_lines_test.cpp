#include "app/summary_lines.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

std::wstring Blanks(std::size_t count) {
    return std::wstring(count, L' ');
}

// The column is 20 characters, not units: a character outside the basic plane is one, a surrogate pair where
// wchar_t is UTF-16.
TEST(ScheduleLines, OneTriggerGivesItsLineOrNone) {
    const std::wstring twenty = L"一二三四五六七八九十abcdefghij";
    const std::wstring nineteen(19, L'a');
    // Fields in order: onceDate, onceTime, dailyTime, weeklyDay, weeklyDayNumber, weeklyTime, monthlyDay,
    // monthlyTime, bootMinutes; then the line, empty for none.
    const std::pair<ActionSchedule, std::wstring> cases[] = {
        {{L"2026-12-04", L"23:05", L"", L"", 0, L"", 0, L"", 0}, L"2026-12-04 23:05" + Blanks(4) + L"  (定时关机)"},
        {{L"", L"", L"23:00", L"", 0, L"", 0, L"", 0}, L"23:00" + Blanks(15) + L"  (每天定时关机)"},
        {{L"", L"", L"", L"周三", 0, L"08:30", 0, L"", 0}, L"周三 08:30" + Blanks(12) + L"(每周定时关机)"},
        {{L"", L"", L"", L"", 0, L"", 5, L"23:00", 0}, L"5号 23:00" + Blanks(12) + L" (每月定时关机)"},
        {{L"", L"", L"", L"", 0, L"", 0, L"", 480}, L"480" + Blanks(17) + L"  (每次开机480分钟关机)"},
        // Only the date decides whether there is a one-time line, only the time for the weekly and monthly.
        {{L"", L"23:05", L"", L"", 0, L"", 0, L"", 0}, L""},
        {{L"", L"", L"", L"周三", 3, L"", 0, L"", 0}, L""},
        {{L"", L"", L"", L"", 0, L"", 15, L"", 0}, L""},
        {{L"2026-12-04", L"", L"", L"", 0, L"", 0, L"", 0}, L"2026-12-04 " + Blanks(9) + L"  (定时关机)"},
        {{L"", L"", L"", L"", 0, L"08:30", 0, L"", 0}, L" 08:30" + Blanks(14) + L"(每周定时关机)"},
        {{L"", L"", L"", L"", 0, L"", 0, L"23:00", 0}, L"0号 23:00" + Blanks(12) + L" (每月定时关机)"},
        {{L"", L"", L"", L"", 0, L"", 0, L"", -5}, L"-5" + Blanks(18) + L"  (每次开机-5分钟关机)"},
        {{L"", L"", L"", L"周三上午", 0, L"08:30", 0, L"", 0}, L"周三 08:30" + Blanks(12) + L"(每周定时关机)"},
        {{L"", L"", L"", L"周\xD840\xDC00", 0, L"08:30", 0, L"", 0},
         L"周\xD840\xDC00 08:30" + Blanks(12) + L"(每周定时关机)"},
        {{L"", L"", L"", L"\xDBFF\xDFFF周上", 0, L"08:30", 0, L"", 0},
         L"\xDBFF\xDFFF周 08:30" + Blanks(12) + L"(每周定时关机)"},
        {{L"2026-1-5", L"9:05", L"", L"", 0, L"", 0, L"", 0}, L"2026-01-05 09:05" + Blanks(4) + L"  (定时关机)"},
        // A text that reads as neither date nor time is shown as it is; the date still gives only 10 characters.
        {{L"abcdefghijklmn", L"23:05", L"", L"", 0, L"", 0, L"", 0}, L"abcdefghij 23:05" + Blanks(4) + L"  (定时关机)"},
        {{L"", L"", twenty + L"xyz", L"", 0, L"", 0, L"", 0}, twenty + L"  (每天定时关机)"},
        {{L"", L"",
          nineteen + L"\xD840\xDC00"
                     L"b",
          L"", 0, L"", 0, L"", 0},
         nineteen + L"\xD840\xDC00  (每天定时关机)"},
    };
    for (const auto& [schedule, line] : cases) {
        EXPECT_EQ(ScheduleLines(Action::Shutdown, schedule),
                  line.empty() ? std::vector<std::wstring>{} : std::vector{line});
    }
}

}  // namespace
