#include "app/summary_lines.h"

#include <gtest/gtest.h>

namespace {

std::wstring Blanks(std::size_t count) {
    return std::wstring(count, L' ');
}

ActionSchedule OnlyOnce(const wchar_t* date, const wchar_t* time) {
    ActionSchedule schedule;
    schedule.onceDate = date;
    schedule.onceTime = time;
    return schedule;
}

ActionSchedule OnlyDaily(const wchar_t* time) {
    ActionSchedule schedule;
    schedule.dailyTime = time;
    return schedule;
}

ActionSchedule OnlyWeekly(const wchar_t* day, const wchar_t* time) {
    ActionSchedule schedule;
    schedule.weeklyDay = day;
    schedule.weeklyTime = time;
    return schedule;
}

ActionSchedule OnlyMonthly(std::int32_t day, const wchar_t* time) {
    ActionSchedule schedule;
    schedule.monthlyDay = day;
    schedule.monthlyTime = time;
    return schedule;
}

ActionSchedule OnlyAfterStart(std::int32_t minutes) {
    ActionSchedule schedule;
    schedule.bootMinutes = minutes;
    return schedule;
}

struct OneLineCase {
    const char* name;
    Action action;
    ActionSchedule schedule;
    std::wstring line;
};

const OneLineCase kOneLineCases[] = {
    {"once", Action::Shutdown, OnlyOnce(L"2026-12-04", L"23:05"), L"2026-12-04 23:05" + Blanks(4) + L"  (定时关机)"},
    {"daily", Action::Shutdown, OnlyDaily(L"23:00"), L"23:00" + Blanks(15) + L"  (每天定时关机)"},
    {"weekly", Action::Shutdown, OnlyWeekly(L"周三", L"08:30"), L"周三 08:30" + Blanks(12) + L"(每周定时关机)"},
    {"monthly", Action::Shutdown, OnlyMonthly(5, L"23:00"), L"5号 23:00" + Blanks(12) + L" (每月定时关机)"},
    {"after start", Action::Shutdown, OnlyAfterStart(480), L"480" + Blanks(17) + L"  (每次开机480分钟关机)"},
    {"restart once", Action::Restart, OnlyOnce(L"2026-12-04", L"23:05"),
     L"2026-12-04 23:05" + Blanks(4) + L"  (定时重启)"},
    {"restart daily", Action::Restart, OnlyDaily(L"23:00"), L"23:00" + Blanks(15) + L"  (每天定时重启)"},
    {"restart weekly", Action::Restart, OnlyWeekly(L"周三", L"08:30"), L"周三 08:30" + Blanks(12) + L"(每周定时重启)"},
    {"restart monthly", Action::Restart, OnlyMonthly(5, L"23:00"), L"5号 23:00" + Blanks(12) + L" (每月定时重启)"},
    {"restart after start", Action::Restart, OnlyAfterStart(480), L"480" + Blanks(17) + L"  (每次开机480分钟重启)"},
    // Only the date decides whether there is a one-time line.
    {"once without time", Action::Shutdown, OnlyOnce(L"2026-12-04", L""), L"2026-12-04 " + Blanks(9) + L"  (定时关机)"},
    // Only the time decides for the weekly and the monthly line.
    {"weekly without day", Action::Shutdown, OnlyWeekly(L"", L"08:30"), L" 08:30" + Blanks(14) + L"(每周定时关机)"},
    {"monthly day 0", Action::Shutdown, OnlyMonthly(0, L"23:00"), L"0号 23:00" + Blanks(12) + L" (每月定时关机)"},
    {"negative minutes", Action::Shutdown, OnlyAfterStart(-5), L"-5" + Blanks(18) + L"  (每次开机-5分钟关机)"},
    {"long weekday text", Action::Shutdown, OnlyWeekly(L"周三上午", L"08:30"),
     L"周三 08:30" + Blanks(12) + L"(每周定时关机)"},
    {"stored date and time are normalised", Action::Shutdown, OnlyOnce(L"2026-1-5", L"9:05"),
     L"2026-01-05 09:05" + Blanks(4) + L"  (定时关机)"},
    {"daily time without leading zero", Action::Restart, OnlyDaily(L"9:05"),
     L"09:05" + Blanks(15) + L"  (每天定时重启)"},
    // A text that reads as neither date nor time is shown as it is; the date still gives only 10 characters.
    {"unreadable date", Action::Shutdown, OnlyOnce(L"abcdefghijklmn", L"23:05"),
     L"abcdefghij 23:05" + Blanks(4) + L"  (定时关机)"},
    {"unreadable time", Action::Shutdown, OnlyDaily(L"soon"), L"soon" + Blanks(16) + L"  (每天定时关机)"},
    {"largest minutes", Action::Shutdown, OnlyAfterStart(2147483647),
     L"2147483647" + Blanks(10) + L"  (每次开机2147483647分钟关机)"},
};

TEST(ScheduleLines, OneTriggerGivesItsLine) {
    for (const auto& c : kOneLineCases) {
        const auto lines = ScheduleLines(c.action, c.schedule);
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(lines[0], c.line) << c.name;
    }
}

TEST(ScheduleLines, InactiveTriggersGiveNoLine) {
    ActionSchedule schedule;
    EXPECT_TRUE(ScheduleLines(Action::Shutdown, schedule).empty());
    EXPECT_TRUE(ScheduleLines(Action::Restart, schedule).empty());

    // The fields that do not decide, set on their own.
    schedule.onceTime = L"23:05";
    schedule.weeklyDay = L"周三";
    schedule.weeklyDayNumber = 4;
    schedule.monthlyDay = 15;
    EXPECT_TRUE(ScheduleLines(Action::Shutdown, schedule).empty());
}

TEST(ScheduleLines, AllFiveInListOrder) {
    ActionSchedule schedule;
    schedule.onceDate = L"2026-12-04";
    schedule.onceTime = L"23:05";
    schedule.dailyTime = L"23:00";
    schedule.weeklyDay = L"周日";
    schedule.weeklyDayNumber = 1;
    schedule.weeklyTime = L"23:00";
    schedule.monthlyDay = 1;
    schedule.monthlyTime = L"23:00";
    schedule.bootMinutes = 480;
    const std::vector<std::wstring> expected = {
        L"2026-12-04 23:05" + Blanks(4) + L"  (定时重启)", L"23:00" + Blanks(15) + L"  (每天定时重启)",
        L"周日 23:00" + Blanks(12) + L"(每周定时重启)",    L"1号 23:00" + Blanks(12) + L" (每月定时重启)",
        L"480" + Blanks(17) + L"  (每次开机480分钟重启)",
    };
    EXPECT_EQ(ScheduleLines(Action::Restart, schedule), expected);
}

TEST(SummaryLine, ColumnIsTwentyCharactersNotUnits) {
    struct Case {
        const char* name;
        std::wstring column;
        std::wstring expectedColumn;
    };
    const std::wstring twenty = L"一二三四五六七八九十abcdefghij";
    const Case cases[] = {
        {"empty", L"", Blanks(20)},
        {"exactly twenty", twenty, twenty},
        {"cut after the twentieth", twenty + L"xyz", twenty},
        {"typed weekday too long", L"星期三上午和下午都要关机的那一天 08:30", L"星期三上午和下午都要关机的那一天 08:"},
        // A character outside the basic plane is one character and is never split.
        {"astral character kept whole", std::wstring(19, L'a') + L"\U00020000b",
         std::wstring(19, L'a') + L"\U00020000"},
        {"astral character counted once", L"\U00020000", L"\U00020000" + Blanks(19)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SummaryLine(Action::Shutdown, TriggerKind::Daily, c.column), c.expectedColumn + L"  (每天定时关机)")
            << c.name;
    }
}

TEST(SummaryLine, AfterStartEndingCarriesTheGivenNumberText) {
    // The dialog's save passes the field text itself, 0 included.
    EXPECT_EQ(SummaryLine(Action::Shutdown, TriggerKind::AfterStart, L"0", L"0"),
              L"0" + Blanks(19) + L"  (每次开机0分钟关机)");
    EXPECT_EQ(SummaryLine(Action::Restart, TriggerKind::AfterStart, L"20000", L"20000"),
              L"20000" + Blanks(15) + L"  (每次开机20000分钟重启)");
}

}  // namespace
