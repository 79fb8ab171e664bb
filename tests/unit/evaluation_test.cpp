#include "scheduler/evaluation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "text/dates.h"

namespace {

constexpr std::int32_t kMaxTick = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinTick = std::numeric_limits<std::int32_t>::min();

ActionSchedule Once(const wchar_t* date, const wchar_t* time) {
    ActionSchedule schedule;
    schedule.onceDate = date;
    schedule.onceTime = time;
    return schedule;
}

ActionSchedule Daily(const wchar_t* time) {
    ActionSchedule schedule;
    schedule.dailyTime = time;
    return schedule;
}

ActionSchedule Weekly(std::int32_t dayNumber, const wchar_t* time) {
    ActionSchedule schedule;
    schedule.weeklyDay = L"周?";
    schedule.weeklyDayNumber = dayNumber;
    schedule.weeklyTime = time;
    return schedule;
}

ActionSchedule Monthly(std::int32_t day, const wchar_t* time) {
    ActionSchedule schedule;
    schedule.monthlyDay = day;
    schedule.monthlyTime = time;
    return schedule;
}

ActionSchedule AfterStart(std::int32_t minutes) {
    ActionSchedule schedule;
    schedule.bootMinutes = minutes;
    return schedule;
}

ScheduleModel Shutdown(ActionSchedule schedule) {
    ScheduleModel model;
    model.shutdownSchedule = std::move(schedule);
    return model;
}

ScheduleModel Restart(ActionSchedule schedule) {
    ScheduleModel model;
    model.restartSchedule = std::move(schedule);
    return model;
}

ScheduleModel Both(ActionSchedule shutdown, ActionSchedule restart) {
    ScheduleModel model;
    model.shutdownSchedule = std::move(shutdown);
    model.restartSchedule = std::move(restart);
    return model;
}

int DueRow(const wchar_t* date, const wchar_t* time, std::int32_t tick, const ScheduleModel& model) {
    const auto due = FindDueTrigger(date, time, tick, model);
    return due ? due->row : 0;
}

struct MomentCase {
    const char* name;
    const wchar_t* date;
    const wchar_t* time;
    ScheduleModel model;
    int row;  // 0: nothing due
};

// Friday 2026-12-04 unless the case says otherwise.
const MomentCase kMomentCases[] = {
    {"once", L"2026-12-04", L"23:05:07", Shutdown(Once(L"2026-12-04", L"23:05")), 1},
    {"daily", L"2026-12-04", L"23:05:07", Shutdown(Daily(L"23:05")), 2},
    {"weekly friday", L"2026-12-04", L"23:05:07", Shutdown(Weekly(6, L"23:05")), 3},
    {"monthly", L"2026-12-04", L"23:05:07", Shutdown(Monthly(4, L"23:05")), 4},
    {"restart once", L"2026-12-04", L"23:05:07", Restart(Once(L"2026-12-04", L"23:05")), 6},

    {"second before the minute", L"2026-12-04", L"22:59:59", Shutdown(Daily(L"23:00")), 0},
    {"first second of the minute", L"2026-12-04", L"23:00:00", Shutdown(Daily(L"23:00")), 2},
    {"last second of the minute", L"2026-12-04", L"23:00:59", Shutdown(Daily(L"23:00")), 2},
    {"second after the minute", L"2026-12-04", L"23:01:00", Shutdown(Daily(L"23:00")), 0},
    {"midnight", L"2026-12-05", L"00:00:00", Shutdown(Daily(L"00:00")), 2},
    {"midnight is not noon", L"2026-12-05", L"12:00:00", Shutdown(Daily(L"00:00")), 0},

    {"once on a passed date", L"2026-12-04", L"23:05:07", Shutdown(Once(L"2026-12-03", L"23:05")), 0},
    {"once a year later", L"2027-12-04", L"23:05:07", Shutdown(Once(L"2026-12-04", L"23:05")), 0},
    {"once a minute early", L"2026-12-04", L"23:05:07", Shutdown(Once(L"2026-12-04", L"23:06")), 0},
    {"weekly on thursday", L"2026-12-04", L"23:05:07", Shutdown(Weekly(5, L"23:05")), 0},
    {"weekly sunday is 1", L"2026-12-06", L"08:30:00", Shutdown(Weekly(1, L"08:30")), 3},
    {"weekly saturday is 7", L"2026-12-05", L"08:30:00", Shutdown(Weekly(7, L"08:30")), 3},
    {"monthly another day", L"2026-12-04", L"23:05:07", Shutdown(Monthly(14, L"23:05")), 0},
    {"monthly 31 in a 31-day month", L"2026-12-31", L"07:00:00", Shutdown(Monthly(31, L"07:00")), 4},
    {"monthly 31 on the 30th of november", L"2026-11-30", L"07:00:00", Shutdown(Monthly(31, L"07:00")), 0},
    {"monthly 31 on the 1st after", L"2026-12-01", L"07:00:00", Shutdown(Monthly(31, L"07:00")), 0},
    {"monthly 29 on a leap day", L"2028-02-29", L"07:00:00", Shutdown(Monthly(29, L"07:00")), 4},
    {"monthly 29 on the 1st of march", L"2027-03-01", L"07:00:00", Shutdown(Monthly(29, L"07:00")), 0},
    {"monthly 1 on the 1st", L"2027-03-01", L"07:00:00", Shutdown(Monthly(1, L"07:00")), 4},

    // Empty fields never fall due, midnight included.
    {"empty model", L"2026-12-04", L"00:00:00", ScheduleModel{}, 0},
    {"once without time", L"2026-12-04", L"00:00:10", Shutdown(Once(L"2026-12-04", L"")), 0},
    {"once without date", L"2026-12-04", L"23:05:07", Shutdown(Once(L"", L"23:05")), 0},
    {"weekday number 0", L"2026-12-04", L"23:05:07", Shutdown(Weekly(0, L"23:05")), 0},
    {"weekly without time", L"2026-12-04", L"00:00:00", Shutdown(Weekly(6, L"")), 0},
    {"monthly without time", L"2026-12-04", L"00:00:00", Shutdown(Monthly(4, L"")), 0},
    {"monthly day 0", L"2026-12-04", L"23:05:07", Shutdown(Monthly(0, L"23:05")), 0},

    // Stored texts are read before they are compared.
    {"time without leading zero", L"2026-12-04", L"09:05:30", Shutdown(Daily(L"9:05")), 2},
    {"time with seconds", L"2026-12-04", L"23:05:07", Shutdown(Daily(L"23:05:59")), 2},
    {"date without leading zeros", L"2026-01-05", L"23:05:07", Shutdown(Once(L"2026-1-5", L"23:05")), 1},

    // The first due row wins: shutdown before restart, one-time before daily and so on.
    {"shutdown before restart", L"2026-12-04", L"23:05:07", Both(Daily(L"23:05"), Once(L"2026-12-04", L"23:05")), 2},
    {"restart when shutdown is not due", L"2026-12-04", L"23:05:07",
     Both(Daily(L"23:06"), Once(L"2026-12-04", L"23:05")), 6},

    // Captions that do not read as a date and a time.
    {"empty captions", L"", L"", Shutdown(Daily(L"23:05")), 0},
    {"date caption unreadable", L"tomorrow", L"23:05:07", Shutdown(Daily(L"23:05")), 0},
    {"time caption empty", L"2026-12-04", L"", Shutdown(Daily(L"00:00")), 0},
    {"captions swapped", L"23:05:07", L"2026-12-04", Shutdown(Daily(L"23:05")), 0},
};

TEST(FindDueTrigger, MomentTable) {
    for (const auto& c : kMomentCases) {
        EXPECT_EQ(DueRow(c.date, c.time, 0, c.model), c.row) << c.name;
    }
}

// Every trigger of both actions due in the same minute: clearing the one found reveals the next.
TEST(FindDueTrigger, TenRowsInTheirOrder) {
    ActionSchedule all;
    all.onceDate = L"2026-12-04";
    all.onceTime = L"23:05";
    all.dailyTime = L"23:05";
    all.weeklyDay = L"周五";
    all.weeklyDayNumber = 6;
    all.weeklyTime = L"23:05";
    all.monthlyDay = 4;
    all.monthlyTime = L"23:05";
    all.bootMinutes = 1;
    ScheduleModel model = Both(all, all);

    const TriggerKind kinds[] = {TriggerKind::Once, TriggerKind::Daily, TriggerKind::Weekly, TriggerKind::Monthly,
                                 TriggerKind::AfterStart};
    for (int row = 1; row <= 10; ++row) {
        const auto due = FindDueTrigger(L"2026-12-04", L"23:05:07", 60000, model);
        ASSERT_TRUE(due.has_value()) << "row " << row;
        const Action action = row <= 5 ? Action::Shutdown : Action::Restart;
        const TriggerKind kind = kinds[(row - 1) % 5];
        EXPECT_EQ(due->row, row);
        EXPECT_EQ(due->action, action) << "row " << row;
        EXPECT_EQ(due->kind, kind) << "row " << row;
        EXPECT_EQ(ShutDownModeFor(due->action), row <= 5 ? 8 : 2) << "row " << row;

        ActionSchedule& schedule = action == Action::Shutdown ? model.shutdownSchedule : model.restartSchedule;
        switch (kind) {
            case TriggerKind::Once:
                schedule.onceDate.clear();
                break;
            case TriggerKind::Daily:
                schedule.dailyTime.clear();
                break;
            case TriggerKind::Weekly:
                schedule.weeklyTime.clear();
                break;
            case TriggerKind::Monthly:
                schedule.monthlyTime.clear();
                break;
            case TriggerKind::AfterStart:
                schedule.bootMinutes = 0;
                break;
        }
    }
    EXPECT_FALSE(FindDueTrigger(L"2026-12-04", L"23:05:07", 60000, model).has_value());
}

// The platform's unsigned 32-bit counter after `milliseconds` of running, read as a signed number.
std::int32_t TickAfter(std::uint64_t milliseconds) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(milliseconds & 0xFFFFFFFFu));
}

TEST(FindDueTrigger, AfterStartComparesTheSignedCounter) {
    struct Case {
        std::int32_t minutes;
        std::int32_t tick;
        bool due;
    };
    const Case cases[] = {
        {30, 1799999, false},
        {30, 1800000, true},
        {30, 7200000, true},  // two hours up when the program starts
        {1, 0, false},
        {1, 59999, false},
        {1, 60000, true},
        {0, kMaxTick, false},
        {-5, kMaxTick, false},
        {20000, 1199999999, false},
        {20000, 1200000000, true},
        {35791, kMaxTick, true},  // the largest number of minutes the signed counter reaches
        {35792, kMaxTick, false},
        // Past 2^31 ms the counter reads negative until it wraps to 0 after 2^32 ms.
        {1, TickAfter(0x80000000u), false},
        {1, kMinTick, false},
        {1, TickAfter(0xFFFFFFFFu), false},
        {1, TickAfter(0x100000000u + 59999u), false},
        {1, TickAfter(0x100000000u + 60000u), true},
    };
    for (const auto& c : cases) {
        for (const Action action : {Action::Shutdown, Action::Restart}) {
            const ScheduleModel model =
                action == Action::Shutdown ? Shutdown(AfterStart(c.minutes)) : Restart(AfterStart(c.minutes));
            const int row = action == Action::Shutdown ? 5 : 10;
            EXPECT_EQ(DueRow(L"2026-12-04", L"23:05:07", c.tick, model), c.due ? row : 0)
                << c.minutes << " minutes, tick " << c.tick;
        }
    }
}

std::wstring Printed(const wchar_t* format, int a, int b, int c = 0) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, format, a, b, c);
    return buffer;
}

bool IsDueAt(const wchar_t* date, const std::wstring& time, const ScheduleModel& model) {
    return FindDueTrigger(date, time, 0, model).has_value();
}

// Whatever form a stored time or a time caption has, the decision agrees with the "hhmm" renderer.
TEST(FindDueTrigger, TimesAreReadLikeTheRenderer) {
    std::vector<std::wstring> texts = {
        L"9:05",    L" 09:05",     L"09:05 ",           L"0905", L"09-05", L"09:5",     L"x9:05", L"09:05:",
        L"9:05:07", L"2026-12-04", L"2026-12-04 09:05", L"",     L"24:00", L"23:60:00", L"-1:05"};
    for (int hour = 0; hour < 100; ++hour) {
        for (int minute = 0; minute < 100; ++minute) {
            texts.push_back(Printed(L"%02d:%02d", hour, minute));
            texts.push_back(Printed(L"%02d:%02d:%02d", hour, minute, (hour + minute) % 61));
        }
    }
    for (const std::wstring& stored : texts) {
        const std::wstring storedKey = text::RenderTimeKey(stored);
        const auto reading = text::ReadDateTime(stored);
        const text::TimeOfDay near = reading && reading->time ? *reading->time : text::TimeOfDay{9, 5, 0};
        for (const text::TimeOfDay& now : {near, text::TimeOfDay{0, 0, 0}, text::TimeOfDay{23, 59, 0}}) {
            const std::wstring caption = text::FormatClock(now);
            const bool expected = !stored.empty() && storedKey == text::FormatTimeKey(now);
            ASSERT_EQ(IsDueAt(L"2026-12-04", caption, Shutdown(Daily(stored.c_str()))), expected)
                << "stored \"" << stored << "\" at " << caption;
        }
        // The same text as the time caption, against its own rendering.
        const bool captionReads = reading && reading->time;
        const std::wstring daily = captionReads ? text::FormatShortTime(*reading->time) : stored;
        ASSERT_EQ(IsDueAt(L"2026-12-04", stored, Shutdown(Daily(daily.c_str()))), captionReads)
            << "caption \"" << stored << "\"";
    }
}

// The same for dates: every year, month and day, valid or not, as a stored one-time date and as the caption.
TEST(FindDueTrigger, DatesAreReadLikeTheRenderer) {
    std::vector<std::wstring> texts = {L"2026-1-5", L"2026/12/04", L"2026.12.04", L" 2026-12-04", L"2026-12-04 12:00",
                                       L"20261204", L"2026-12-4x", L"2026-12/04", L"12:00"};
    for (const int year : {0, 1, 2027, 2028, 2100, 9999}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                texts.push_back(Printed(L"%04d-%02d-%02d", year, month, day));
            }
        }
    }
    for (const std::wstring& stored : texts) {
        const auto reading = text::ReadDateTime(stored);
        const bool readsAsDate = reading && reading->date;
        const text::CivilDate near = readsAsDate ? *reading->date : text::CivilDate{2028, 2, 29};
        for (const text::CivilDate& today : {near, text::CivilDate{2028, 2, 29}}) {
            const std::wstring caption = text::FormatIsoDate(today);
            const bool expected = text::RenderDateKey(stored) + L"1200" == text::FormatDateKey(today) + L"1200";
            ASSERT_EQ(FindDueTrigger(caption, L"12:00:30", 0, Shutdown(Once(stored.c_str(), L"12:00"))).has_value(),
                      expected)
                << "stored \"" << stored << "\" on " << caption;
        }
        ASSERT_EQ(FindDueTrigger(stored, L"12:00:30", 0, Shutdown(Daily(L"12:00"))).has_value(), readsAsDate)
            << "caption \"" << stored << "\"";
    }
}

}  // namespace
