// The schedule model as the loader fills it from the settings file.
#include "schedule/loader.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/memory_settings.h"

namespace {

using A = ActionSchedule;
// Fields: onceDate, onceTime, dailyTime, weeklyDay, weeklyDayNumber, weeklyTime, monthlyDay, monthlyTime,
// bootMinutes.
const A kEmpty{L"", L"", L"", L"", 0, L"", 0, L"", 0};

// What the case shows, the stored values, the two schedules loaded.
const std::tuple<const char*, MemorySettings, ActionSchedule, ActionSchedule> kLoadCases[] = {
    {"no file", {}, kEmpty, kEmpty},
    {"every key, weekday by its first two characters, day rounded half to even",
     {L"重启/定时重启日期=2026-12-04", L"重启/定时重启时间=23:05", L"重启/每天定时重启=06:00",
      L"重启/每周定时重启周几=周三上午", L"重启/每周定时重启时间=08:00", L"重启/每月定时重启日期= 3.5 ",
      L"重启/每月定时重启时间=09:00", L"重启/每次开机X分钟重启=480"},
     kEmpty,
     A{L"2026-12-04", L"23:05", L"06:00", L"周三上午", 4, L"08:00", 4, L"09:00", 480}},
    {"time keys without their date, weekday or day; minutes zero and beyond 32 bits; the other action's keys; the "
     "last weekday",
     {L"关机/定时关机时间=23:05", L"关机/每天定时关机=22:30", L"关机/每周定时关机时间=08:00",
      L"关机/每月定时关机时间=08:00", L"关机/每次开机X分钟关机=0", L"关机/每天定时重启=22:30",
      L"重启/每周定时重启周几=周六", L"重启/每次开机X分钟重启=2147483648", L"重启/每天定时关机=1:00"},
     A{L"", L"", L"22:30", L"", 0, L"", 0, L"", 0},
     A{L"", L"", L"", L"周六", 7, L"", 0, L"", 0}},
    {"weekday and day that are no names or numbers; the first weekday",
     {L"关机/每周定时关机周几=星期三", L"关机/每周定时关机时间=08:00", L"关机/每月定时关机日期=abc",
      L"关机/每月定时关机时间=07:00", L"重启/每周定时重启周几=周日"},
     A{L"", L"", L"", L"星期三", 0, L"08:00", 0, L"07:00", 0},
     A{L"", L"", L"", L"周日", 1, L"", 0, L"", 0}},
};

TEST(Loader, FillsTheModelFromTheFileStartingEmpty) {
    const A stale{L"x", L"x", L"x", L"x", 9, L"x", 9, L"x", 9};
    for (const auto& [name, file, shutdown, restart] : kLoadCases) {
        ScheduleModel model{stale, stale};
        LoadSchedule(model, file);
        EXPECT_TRUE(model.shutdownSchedule == shutdown && model.restartSchedule == restart) << name;
    }
}

}  // namespace
