#include "app/summary_lines.h"
#include "schedule/summary_line.h"

#include <gtest/gtest.h>

namespace {

std::wstring Blanks(std::size_t count) {
    return std::wstring(count, L' ');
}

// One trigger alone; `text` is the one-time date or the weekday, `number` the day of the month or the minutes.
ActionSchedule Only(TriggerKind kind, const wchar_t* time, const wchar_t* text = L"", std::int32_t number = 0) {
    ActionSchedule s;
    s.onceDate = kind == TriggerKind::Once ? text : L"";
    s.onceTime = kind == TriggerKind::Once ? time : L"";
    s.dailyTime = kind == TriggerKind::Daily ? time : L"";
    s.weeklyDay = kind == TriggerKind::Weekly ? text : L"";
    s.weeklyTime = kind == TriggerKind::Weekly ? time : L"";
    s.monthlyDay = kind == TriggerKind::Monthly ? number : 0;
    s.monthlyTime = kind == TriggerKind::Monthly ? time : L"";
    s.bootMinutes = kind == TriggerKind::AfterStart ? number : 0;
    return s;
}

TEST(ScheduleLines, OneTriggerGivesItsLineOrNone) {
    using K = TriggerKind;
    const struct {
        const char* name;
        ActionSchedule schedule;
        std::wstring line;  // empty: no line
    } cases[] = {
        {"once", Only(K::Once, L"23:05", L"2026-12-04"), L"2026-12-04 23:05" + Blanks(4) + L"  (定时关机)"},
        {"daily", Only(K::Daily, L"23:00"), L"23:00" + Blanks(15) + L"  (每天定时关机)"},
        {"weekly", Only(K::Weekly, L"08:30", L"周三"), L"周三 08:30" + Blanks(12) + L"(每周定时关机)"},
        {"monthly", Only(K::Monthly, L"23:00", L"", 5), L"5号 23:00" + Blanks(12) + L" (每月定时关机)"},
        {"after start", Only(K::AfterStart, L"", L"", 480), L"480" + Blanks(17) + L"  (每次开机480分钟关机)"},
        // Only the date decides whether there is a one-time line, only the time for the weekly and monthly.
        {"once without date", Only(K::Once, L"23:05", L""), L""},
        {"weekly without time", Only(K::Weekly, L"", L"周三"), L""},
        {"monthly without time", Only(K::Monthly, L"", L"", 15), L""},
        {"after start 0", Only(K::AfterStart, L"", L"", 0), L""},
        {"once without time", Only(K::Once, L"", L"2026-12-04"), L"2026-12-04 " + Blanks(9) + L"  (定时关机)"},
        {"weekly without day", Only(K::Weekly, L"08:30", L""), L" 08:30" + Blanks(14) + L"(每周定时关机)"},
        {"monthly day 0", Only(K::Monthly, L"23:00", L"", 0), L"0号 23:00" + Blanks(12) + L" (每月定时关机)"},
        {"negative minutes", Only(K::AfterStart, L"", L"", -5), L"-5" + Blanks(18) + L"  (每次开机-5分钟关机)"},
        {"weekday cut to two", Only(K::Weekly, L"08:30", L"周三上午"), L"周三 08:30" + Blanks(12) + L"(每周定时关机)"},
        {"normalised", Only(K::Once, L"9:05", L"2026-1-5"), L"2026-01-05 09:05" + Blanks(4) + L"  (定时关机)"},
        // A text that reads as neither date nor time is shown as it is; the date still gives only 10 characters.
        {"unreadable date", Only(K::Once, L"23:05", L"abcdefghijklmn"),
         L"abcdefghij 23:05" + Blanks(4) + L"  (定时关机)"},
        {"unreadable time", Only(K::Daily, L"soon"), L"soon" + Blanks(16) + L"  (每天定时关机)"},
    };
    for (const auto& c : cases) {
        const std::vector<std::wstring> expected = c.line.empty() ? std::vector<std::wstring>{} : std::vector{c.line};
        EXPECT_EQ(ScheduleLines(Action::Shutdown, c.schedule), expected) << c.name;
    }
}

TEST(ScheduleLines, AllFiveInListOrder) {
    ActionSchedule s = Only(TriggerKind::Once, L"23:05", L"2026-12-04");
    s.dailyTime = L"23:00";
    s.weeklyDay = L"周日";
    s.weeklyTime = L"23:00";
    s.monthlyDay = 31;
    s.monthlyTime = L"23:00";
    s.bootMinutes = 2147483647;
    const std::vector<std::wstring> expected = {
        L"2026-12-04 23:05" + Blanks(4) + L"  (定时重启)",
        L"23:00" + Blanks(15) + L"  (每天定时重启)",
        L"周日 23:00" + Blanks(12) + L"(每周定时重启)",
        L"31号 23:00" + Blanks(11) + L" (每月定时重启)",
        L"2147483647" + Blanks(10) + L"  (每次开机2147483647分钟重启)",
    };
    EXPECT_EQ(ScheduleLines(Action::Restart, s), expected);
}

TEST(SummaryLine, ColumnIsTwentyCharactersNotUnits) {
    const std::wstring twenty = L"一二三四五六七八九十abcdefghij";
    const struct {
        std::wstring column;
        std::wstring expectedColumn;
    } cases[] = {
        {L"", Blanks(20)},
        {twenty, twenty},
        {twenty + L"xyz", twenty},
        // A character outside the basic plane is one character and is never split.
        {std::wstring(19, L'a') + L"\U00020000b", std::wstring(19, L'a') + L"\U00020000"},
        {L"\U00020000", L"\U00020000" + Blanks(19)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SummaryLine(Action::Shutdown, TriggerKind::Daily, c.column), c.expectedColumn + L"  (每天定时关机)")
            << c.column;
    }
    // The dialog's save passes the field's own text, 0 included.
    EXPECT_EQ(SummaryLine(Action::Restart, TriggerKind::AfterStart, L"0", L"0"),
              L"0" + Blanks(19) + L"  (每次开机0分钟重启)");
}

}  // namespace
