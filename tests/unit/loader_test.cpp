// The schedule model as the loader fills it from timer.ini, and the model's keys and comparison.
#include "schedule/loader.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "schedule/ini.h"
#include "support/temp_folder.h"
#include "text/codepage.h"

// Readable failure messages for the model's records.
static void PrintTo(const ActionSchedule& s, std::ostream* out) {
    *out << "{" << text::ToCodePage(s.onceDate + L"|" + s.onceTime + L"|" + s.dailyTime + L"|" + s.weeklyDay, 65001)
         << "|" << s.weeklyDayNumber << "|" << text::ToCodePage(s.weeklyTime, 65001) << "|" << s.monthlyDay << "|"
         << text::ToCodePage(s.monthlyTime, 65001) << "|" << s.bootMinutes << "}";
}

namespace {

// A record given field by field in declaration order; fields left out are empty.
ActionSchedule Record(const wchar_t* onceDate = L"",
                      const wchar_t* onceTime = L"",
                      const wchar_t* dailyTime = L"",
                      const wchar_t* weeklyDay = L"",
                      std::int32_t weeklyDayNumber = 0,
                      const wchar_t* weeklyTime = L"",
                      std::int32_t monthlyDay = 0,
                      const wchar_t* monthlyTime = L"",
                      std::int32_t bootMinutes = 0) {
    return ActionSchedule{onceDate,   onceTime,   dailyTime,   weeklyDay,  weeklyDayNumber,
                          weeklyTime, monthlyDay, monthlyTime, bootMinutes};
}

struct LoadCase {
    const char* name;
    const wchar_t* file;  // nullptr: no timer.ini
    ActionSchedule shutdown;
    ActionSchedule restart;
};

// clang-format off
const LoadCase kLoadCases[] = {
    {"no file", nullptr, {}, {}},
    {"daily key only", L"[关机]\r\n每天定时关机=22:30\r\n", Record(L"", L"", L"22:30"), {}},
    {"one-time date and time", L"[关机]\r\n定时关机日期=2026-12-04\r\n定时关机时间=23:05\r\n",
     Record(L"2026-12-04", L"23:05"), {}},
    {"time without its date is not read", L"[关机]\r\n定时关机日期=\r\n定时关机时间=23:05\r\n", {}, {}},
    {"weekday 周三", L"[重启]\r\n每周定时重启周几=周三\r\n每周定时重启时间=08:00\r\n",
     {}, Record(L"", L"", L"", L"周三", 4, L"08:00")},
    {"weekday with more text", L"[关机]\r\n每周定时关机周几=周三上午\r\n", Record(L"", L"", L"", L"周三上午", 4), {}},
    {"weekday that is no name", L"[关机]\r\n每周定时关机周几=星期三\r\n每周定时关机时间=08:00\r\n",
     Record(L"", L"", L"", L"星期三", 0, L"08:00"), {}},
    {"weekly time without weekday", L"[关机]\r\n每周定时关机周几=\r\n每周定时关机时间=08:00\r\n", {}, {}},
    {"month day and time", L"[关机]\r\n每月定时关机日期=15\r\n每月定时关机时间=08:00\r\n",
     Record(L"", L"", L"", L"", 0, L"", 15, L"08:00"), {}},
    {"month day no number, time still read", L"[关机]\r\n每月定时关机日期=abc\r\n每月定时关机时间=08:00\r\n",
     Record(L"", L"", L"", L"", 0, L"", 0, L"08:00"), {}},
    {"monthly time without day", L"[关机]\r\n每月定时关机时间=08:00\r\n", {}, {}},
    {"month day rounds half to even", L"[关机]\r\n每月定时关机日期= 3.5 \r\n", Record(L"", L"", L"", L"", 0, L"", 4), {}},
    {"minutes", L"[重启]\r\n每次开机X分钟重启=480\r\n", {}, Record(L"", L"", L"", L"", 0, L"", 0, L"", 480)},
    {"minutes zero", L"[关机]\r\n每次开机X分钟关机=0\r\n", {}, {}},
    {"minutes beyond 32 bits", L"[关机]\r\n每次开机X分钟关机=2147483648\r\n", {}, {}},
    {"keys of the other action are not read", L"[重启]\r\n每天定时关机=22:30\r\n[关机]\r\n每天定时重启=22:30\r\n",
     {}, {}},
};
// clang-format on

TEST(Loader, FillsTheModelFromTheFile) {
    for (const LoadCase& c : kLoadCases) {
        testsupport::TempFolder folder;
        if (c.file != nullptr) {
            folder.WriteBytes(L"timer.ini", text::ToCodePage(c.file, text::kGbkCodePage));
        }
        ScheduleModel model;
        LoadSchedule(model, folder.path());
        EXPECT_EQ(model.shutdownSchedule, c.shutdown) << c.name;
        EXPECT_EQ(model.restartSchedule, c.restart) << c.name;
    }
}

TEST(Loader, EveryLoadStartsFromTheEmptyModel) {
    testsupport::TempFolder folder;
    const std::wstring file = ini::SettingsPath(folder.path());
    ScheduleModel model;
    model.restartSchedule.bootMinutes = 7;
    model.restartSchedule.weeklyDayNumber = 3;
    ini::writeIniValue(file, L"关机", L"每天定时关机", L"23:00");
    LoadSchedule(model, folder.path());
    EXPECT_EQ(model.shutdownSchedule.dailyTime, L"23:00");
    EXPECT_EQ(model.restartSchedule, ActionSchedule{});

    ini::writeIniValue(file, L"关机", L"每天定时关机", L"");
    LoadSchedule(model, folder.path());
    EXPECT_EQ(model.shutdownSchedule, ActionSchedule{});
}

TEST(Loader, WeekdayNumberFromTheFirstTwoCharacters) {
    const struct {
        const wchar_t* text;
        std::int32_t number;
    } cases[] = {
        {L"周日", 1},   {L"周一", 2}, {L"周二", 3}, {L"周三", 4},   {L"周四", 5},  {L"周五", 6}, {L"周六", 7},
        {L"周六晚", 7}, {L"周", 0},   {L"", 0},     {L"星期日", 0}, {L" 周一", 0}, {L"周天", 0}, {L"周7", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WeekdayNumberOf(c.text), c.number) << text::ToCodePage(c.text, 65001);
    }
}

TEST(ScheduleModel, RestartKeysAreTheShutdownKeysWithTheOtherWord) {
    const ActionKeys& shutdown = KeysFor(Action::Shutdown);
    const ActionKeys& restart = KeysFor(Action::Restart);
    EXPECT_STREQ(ActionWord(Action::Shutdown), L"关机");
    EXPECT_STREQ(ActionWord(Action::Restart), L"重启");
    const wchar_t* const ActionKeys::*fields[] = {
        &ActionKeys::section,    &ActionKeys::onceDate,    &ActionKeys::onceTime,
        &ActionKeys::dailyTime,  &ActionKeys::weeklyDay,   &ActionKeys::weeklyTime,
        &ActionKeys::monthlyDay, &ActionKeys::monthlyTime, &ActionKeys::bootMinutes};
    for (const auto field : fields) {
        std::wstring key = shutdown.*field;
        const std::size_t word = key.find(L"关机");
        ASSERT_NE(word, std::wstring::npos) << text::ToCodePage(key, 65001);
        key.replace(word, 2, L"重启");
        EXPECT_EQ(key, restart.*field);
    }
}

TEST(ScheduleModel, EveryFieldTakesPartInEquality) {
    // Each record differs from the empty one in one field only.
    const ActionSchedule changed[] = {
        Record(L"x"),
        Record(L"", L"x"),
        Record(L"", L"", L"x"),
        Record(L"", L"", L"", L"x"),
        Record(L"", L"", L"", L"", 1),
        Record(L"", L"", L"", L"", 0, L"x"),
        Record(L"", L"", L"", L"", 0, L"", 1),
        Record(L"", L"", L"", L"", 0, L"", 0, L"x"),
        Record(L"", L"", L"", L"", 0, L"", 0, L"", 1),
    };
    for (const ActionSchedule& record : changed) {
        EXPECT_NE(record, ActionSchedule{});
        EXPECT_EQ(record, ActionSchedule(record));
    }
}

}  // namespace
