#include "scheduler/evaluation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "text/dates.h"

namespace {

// A trigger in its row (1-5 shutdown, 6-10 restart); `number` is the weekday (1 = Sunday), the day of
// the month or the minutes after start-up.
struct Trigger {
    int row;
    const wchar_t* time;
    int number = 0;
    const wchar_t* date = L"";
};

ScheduleModel ModelOf(const std::vector<Trigger>& triggers) {
    using S = ActionSchedule;
    static std::wstring S::*const kTimes[] = {&S::onceTime, &S::dailyTime, &S::weeklyTime, &S::monthlyTime, nullptr};
    static std::int32_t S::*const kNumbers[] = {nullptr, nullptr, &S::weeklyDayNumber, &S::monthlyDay, &S::bootMinutes};
    ScheduleModel model;
    for (const Trigger& t : triggers) {
        S& s = t.row <= 5 ? model.shutdownSchedule : model.restartSchedule;
        const int kind = (t.row - 1) % 5;
        if (kind == 0) {
            s.onceDate = t.date;
        }
        if (kTimes[kind] != nullptr) {
            s.*kTimes[kind] = t.time;
        }
        if (kNumbers[kind] != nullptr) {
            s.*kNumbers[kind] = t.number;
        }
    }
    return model;
}

int DueRow(const wchar_t* date, const wchar_t* time, std::int32_t tick, const ScheduleModel& model) {
    const auto due = FindDueTrigger(date, time, tick, model);
    return due ? due->row : 0;
}

// Calendar days, weekdays and the order of rows are walked minute by minute in the simulation test.
TEST(FindDueTrigger, MomentTable) {
    struct Case {
        const wchar_t* date;
        const wchar_t* time;
        ScheduleModel model;
        int row;  // 0: nothing due
    } const cases[] = {
        {L"2026-12-04", L"22:59:59", ModelOf({{2, L"23:00"}}), 0},
        {L"2026-12-04", L"23:00:00", ModelOf({{2, L"23:00"}}), 2},
        {L"2026-12-04", L"23:00:59", ModelOf({{2, L"23:00"}}), 2},
        {L"2026-12-04", L"23:01:00", ModelOf({{2, L"23:00"}}), 0},
        // Empty fields never fall due, not even at midnight.
        {L"2026-12-04", L"00:00:00", ScheduleModel{}, 0},
        {L"2026-12-04", L"00:00:10", ModelOf({{1, L"", 0, L"2026-12-04"}}), 0},
        {L"2026-12-04", L"23:05:07", ModelOf({{1, L"23:05", 0, L""}}), 0},
        {L"2026-12-04", L"00:00:00", ModelOf({{3, L"", 6}, {4, L"", 4}}), 0},
        {L"2026-12-04", L"23:05:07", ModelOf({{3, L"23:05", 0}, {4, L"23:05", 0}}), 0},
        // Captions that do not read as a date and a time.
        {L"", L"", ModelOf({{2, L"23:05"}}), 0},
        {L"2026-12-04", L"", ModelOf({{2, L"00:00"}}), 0},
        {L"2026-12-4x", L"23:05:07", ModelOf({{2, L"23:05"}}), 0},
        {L"2026-02-29", L"23:05:07", ModelOf({{2, L"23:05"}}), 0},
        {L"2026-12-04", L"24:05:07", ModelOf({{2, L"2405"}}), 0},
        {L"2026-12-04", L"23:60:00", ModelOf({{2, L"2360"}}), 0},
        {L"2026-12-04", L"23:59:60", ModelOf({{2, L"23:59"}}), 0},
        {L"23:05:07", L"2026-12-04", ModelOf({{2, L"23:05"}}), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DueRow(c.date, c.time, 0, c.model), c.row) << c.date << " " << c.time;
    }
}

// Every trigger of both actions due at once: leaving out the rows already found reveals the next.
TEST(FindDueTrigger, TenRowsInTheirOrder) {
    const std::vector<Trigger> all = {
        {1, L"23:05", 0, L"2026-12-04"}, {2, L"23:05"}, {3, L"23:05", 6}, {4, L"23:05", 4}, {5, L"", 1},
        {6, L"23:05", 0, L"2026-12-04"}, {7, L"23:05"}, {8, L"23:05", 6}, {9, L"23:05", 4}, {10, L"", 1},
    };
    for (int row = 1; row <= 10; ++row) {
        const auto due = FindDueTrigger(L"2026-12-04", L"23:05:07", 60000, ModelOf({all.begin() + row - 1, all.end()}));
        ASSERT_TRUE(due.has_value()) << "row " << row;
        EXPECT_EQ(due->row, row);
        EXPECT_EQ(due->action, row <= 5 ? Action::Shutdown : Action::Restart) << "row " << row;
        EXPECT_EQ(static_cast<int>(due->kind), (row - 1) % 5) << "row " << row;
        EXPECT_EQ(ShutDownModeFor(due->action), row <= 5 ? 8 : 2) << "row " << row;
    }
}

// The platform's counter is an unsigned 32-bit number of milliseconds, read as a signed one.
TEST(FindDueTrigger, AfterStartComparesTheSignedCounter) {
    constexpr std::int32_t kMaxTick = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::int32_t minutes;
        std::int32_t tick;
        bool due;
    } cases[] = {
        {30, 1799999, false},
        {30, 1800000, true},
        {0, kMaxTick, false},
        {-5, kMaxTick, false},
        {35791, kMaxTick, true},  // the most minutes the signed counter reaches
        {35792, kMaxTick, false},
        {1, std::numeric_limits<std::int32_t>::min(), false},  // 2^31 ms up: negative until it wraps to 0
        {1, -1, false},
    };
    for (const auto& c : cases) {
        for (const int row : {5, 10}) {
            EXPECT_EQ(DueRow(L"2026-12-04", L"23:05:07", c.tick, ModelOf({{row, L"", c.minutes}})), c.due ? row : 0)
                << c.minutes << " minutes, tick " << c.tick << ", row " << row;
        }
    }
}

std::wstring Printed(const wchar_t* format, int a, int b, int c = 0) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, format, a, b, c);
    return buffer;
}

// Whatever form a stored date or time has, the decision agrees with the "yyyymmdd" and "hhmm" renderers.
TEST(FindDueTrigger, StoredTextsAreReadLikeTheRenderers) {
    std::vector<std::wstring> texts = {
        L"9:05",       L" 09:05",      L"09:05 ",   L"0905",       L"09-05",      L"09:5",
        L"x9:05",      L"09:05:",      L"",         L"9:05:07",    L"2026-12-04", L"2026-1-5",
        L"2026/12/04", L" 2026-12-04", L"20261204", L"2026-12-4x", L"2026-12/04", L"2026-12-04 09:05"};
    for (int hour = 0; hour < 100; ++hour) {
        for (int minute = 0; minute < 100; ++minute) {
            texts.push_back(Printed(L"%02d:%02d", hour, minute));
            texts.push_back(Printed(L"%02d:%02d:%02d", hour, minute, (hour + minute) % 61));
        }
    }
    for (const int year : {0, 1, 2027, 2028, 2100, 9999}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                texts.push_back(Printed(L"%04d-%02d-%02d", year, month, day));
            }
        }
    }
    for (const std::wstring& stored : texts) {
        const auto reading = text::ReadDateTime(stored);
        const text::CivilDate day = reading && reading->date ? *reading->date : text::CivilDate{2028, 2, 29};
        const text::TimeOfDay time = reading && reading->time ? *reading->time : text::TimeOfDay{};
        const std::wstring date = text::FormatIsoDate(day);
        const std::wstring clock = text::FormatClock(time);
        const bool dailyDue = !stored.empty() && text::RenderTimeKey(stored) == text::FormatTimeKey(time);
        ASSERT_EQ(DueRow(date.c_str(), clock.c_str(), 0, ModelOf({{2, stored.c_str()}})), dailyDue ? 2 : 0)
            << "time \"" << stored << "\" at " << clock;
        const bool onceDue = text::RenderDateKey(stored) == text::FormatDateKey(day);
        ASSERT_EQ(DueRow(date.c_str(), L"12:00:30", 0, ModelOf({{1, L"12:00", 0, stored.c_str()}})), onceDue ? 1 : 0)
            << "date \"" << stored << "\" on " << date;
    }
}

}  // namespace
