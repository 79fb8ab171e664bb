// The decision at single moments; the minute-by-minute walk in simulation_test covers calendars and row order.
#include "scheduler/evaluation.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A model with the trigger of `row` (1-5 shutdown, 6-10 restart) set; `number` is the weekday, the day of the
// month or the minutes after start-up.
ScheduleModel With(int row, const wchar_t* time, std::int32_t number = 0, const wchar_t* date = L"") {
    ScheduleModel model;
    ActionSchedule& s = row <= 5 ? model.shutdownSchedule : model.restartSchedule;
    const int kind = (row - 1) % 5;
    s.onceDate = kind == 0 ? date : L"";
    s.onceTime = kind == 0 ? time : L"";
    s.dailyTime = kind == 1 ? time : L"";
    s.weeklyDayNumber = kind == 2 ? number : 0;
    s.weeklyTime = kind == 2 ? time : L"";
    s.monthlyDay = kind == 3 ? number : 0;
    s.monthlyTime = kind == 3 ? time : L"";
    s.bootMinutes = kind == 4 ? number : 0;
    return model;
}

TEST(FindDueTrigger, MomentTable) {
    const struct {
        const wchar_t* date;
        const wchar_t* time;
        std::int32_t tick;
        ScheduleModel model;
        int row;  // 0: nothing due
    } cases[] = {
        {L"2026-12-04", L"22:59:59", 0, With(2, L"23:00"), 0},
        {L"2026-12-04", L"23:00:00", 0, With(7, L"23:00"), 7},
        {L"2026-12-04", L"00:00:00", 0, ScheduleModel{}, 0},
        {L"2026-12-04", L"23:05:07", 0, With(3, L"23:05", 6), 3},
        {L"2026-12-04", L"23:05:07", 0, With(4, L"23:05", 4), 4},
        {L"2026-12-04", L"23:05:07", 0, With(8, L"23:05", 0), 0},
        {L"2026-12-04", L"23:05:07", 0, With(4, L"23:05", 0), 0},
        // A one-time trigger without its time is never due, even where its date text alone would match.
        {L"2026-12-04", L"23:05:07", 0, With(1, L"", 0, L"202612042305"), 0},
        {L"2026-12-04", L"23:05:07", 0, With(6, L"23:05", 0, L"2026-12-04"), 6},
        // The day of the month followed by the rendered time, compared as text.
        {L"2026-12-04", L"23:05:07", 0, With(9, L"", 42305), 9},
        // Captions that do not read as a date and a time.
        {L"23:05:07", L"23:05:07", 0, With(2, L"23:05"), 0},
        {L"2026-12-04", L"2026-12-04", 0, With(2, L"00:00"), 0},
        // After start-up: the signed millisecond counter against 60000 per minute.
        {L"2026-12-04", L"23:05:07", 1799999, With(5, L"", 30), 0},
        {L"2026-12-04", L"23:05:07", 1800000, With(10, L"", 30), 10},
        {L"2026-12-04", L"23:05:07", INT_MAX, With(5, L"", 0), 0},
        {L"2026-12-04", L"23:05:07", INT_MAX, With(10, L"", -5), 0},
        {L"2026-12-04", L"23:05:07", INT_MIN, With(5, L"", 1), 0},
    };
    for (const auto& c : cases) {
        const auto due = FindDueTrigger(c.date, c.time, c.tick, c.model);
        const int row = due ? (due->action == Action::Restart ? 5 : 0) + static_cast<int>(due->kind) + 1 : 0;
        EXPECT_EQ(row, c.row) << c.date << " " << c.time << ", tick " << c.tick;
    }
}

}  // namespace
