#include "scheduler/evaluation.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "text/dates.h"

namespace {

// A trigger in its row (1-5 shutdown, 6-10 restart); `number` is the weekday (1 = Sunday), the day of the month or
// the minutes after start-up; `date` is the one-time trigger's.
struct Plan {
    int row;
    std::wstring time;
    std::int32_t number;
    std::wstring date;
};

// The row of the trigger found due among the plans whose rows are not in `removed` (bit 0 = row 1), 0 for none.
int DueRow(const std::wstring& date,
           const std::wstring& time,
           std::int32_t tick,
           const std::vector<Plan>& plans,
           unsigned removed = 0) {
    using S = ActionSchedule;
    static std::wstring S::*const kTimes[] = {&S::onceTime, &S::dailyTime, &S::weeklyTime, &S::monthlyTime};
    static std::int32_t S::*const kNumbers[] = {&S::weeklyDayNumber, &S::monthlyDay, &S::bootMinutes};
    ScheduleModel model;
    for (const Plan& p : plans) {
        S& s = p.row <= 5 ? model.shutdownSchedule : model.restartSchedule;
        const int kind = (p.row - 1) % 5;
        if ((removed >> (p.row - 1) & 1u) != 0) {
            continue;
        }
        s.onceDate = kind == 0 ? p.date : s.onceDate;
        if (kind < 4) {
            s.*kTimes[kind] = p.time;
        }
        if (kind >= 2) {
            s.*kNumbers[kind - 2] = p.number;
        }
    }
    const auto due = FindDueTrigger(date, time, tick, model);
    return due ? (due->action == Action::Restart ? 5 : 0) + static_cast<int>(due->kind) + 1 : 0;
}

// Single moments the walk below does not meet: the captions, the tick count, the one trigger set and whether it is
// due.
TEST(FindDueTrigger, MomentTable) {
    const std::tuple<const wchar_t*, const wchar_t*, std::int32_t, Plan, bool> cases[] = {
        {L"2026-12-04", L"23:05:07", 0, {8, L"23:05", 0, L""}, false},
        {L"2026-12-04", L"23:05:07", 0, {4, L"23:05", 0, L""}, false},
        // A one-time trigger without its time is never due, even where its date text alone would match.
        {L"2026-12-04", L"23:05:07", 0, {1, L"", 0, L"202612042305"}, false},
        // The day of the month followed by the rendered time, compared as text.
        {L"2026-12-04", L"23:05:07", 0, {9, L"", 42305, L""}, true},
        // Stored texts edited by hand: read as a date and a time, not compared as written.
        {L"2026-01-05", L"09:05:59", 0, {1, L"9:5", 0, L"2026-1-5"}, true},
        {L"2026-01-05", L"09:05:59", 0, {7, L"9:5", 0, L""}, true},
        // Captions that do not read as a date and a time.
        {L"23:05:07", L"23:05:07", 0, {2, L"23:05", 0, L""}, false},
        {L"2026-12-04", L"2026-12-04", 0, {2, L"00:00", 0, L""}, false},
        // After start-up: the signed millisecond counter against 60000 per minute.
        {L"2026-12-04", L"23:05:07", 59999, {5, L"", 1, L""}, false},
        {L"2026-12-04", L"23:05:07", 60000, {10, L"", 1, L""}, true},
        {L"2026-12-04", L"23:05:07", INT_MAX, {5, L"", 0, L""}, false},
        {L"2026-12-04", L"23:05:07", INT_MAX, {10, L"", -5, L""}, false},
    };
    for (const auto& [date, time, tick, plan, due] : cases) {
        EXPECT_EQ(DueRow(date, time, tick, {plan}), due ? plan.row : 0) << plan.row << " " << tick;
    }
}

// The rows whose plans make them due in this minute (bit 0 = row 1).
unsigned DueRows(const std::vector<Plan>& plans,
                 const std::wstring& dateCaption,
                 const std::wstring& timeCaption,
                 int day,
                 int weekday,
                 std::int32_t tick) {
    unsigned rows = 0;
    for (const Plan& p : plans) {
        const int kind = (p.row - 1) % 5;
        const bool isDue = kind == 4 ? p.number > 0 && tick >= p.number * 60000LL
                                     : timeCaption.compare(0, 5, p.time) == 0 &&
                                           (kind == 1 || (kind == 0 && p.date == dateCaption) ||
                                            (kind == 2 && p.number == weekday) || (kind == 3 && p.number == day));
        rows |= isDue ? 1u << (p.row - 1) : 0u;
    }
    return rows;
}

// Walks the clock minute by minute through 2026-2028: every trigger is due in exactly its minutes and in no
// other, also where an earlier due row hides it.
TEST(FindDueTrigger, EveryTriggerDueInExactlyItsMinutes) {
    const std::vector<Plan> plans = {
        {1, L"23:59", 0, L"2028-12-31"},  // the walk's last minute
        {2, L"23:59", 0, L""},            // every day's last minute
        {3, L"00:00", 1, L""},            // Sundays at midnight
        {4, L"12:00", 31, L""},           // noon on the 31st
        {5, L"", 34000, L""},             // whenever the signed counter has reached 34000 minutes
        {6, L"00:00", 0, L"2026-03-01"},  // a Sunday: hidden behind row 3
        {7, L"12:00", 0, L""},            // hidden behind row 4 on the 31st
        {8, L"23:59", 7, L""},            // Saturdays, hidden behind row 2
        {9, L"00:00", 29, L""},           // in February only in 2028
        {10, L"", 35000, L""},            // hidden behind row 5
    };
    // The computer was started before the walk; its millisecond counter wraps every ~49.7 days.
    constexpr long long kBootOffsetMs = 3LL * 24 * 3600 * 1000 + 12345;
    text::CivilDate date{2026, 1, 1};
    int weekday = 5;  // a Thursday
    std::array<long long, 10> due{};
    for (long long elapsed = 0; elapsed < 1096 * 24LL * 60; ++elapsed) {
        const int hour = static_cast<int>(elapsed / 60 % 24);
        const int minute = static_cast<int>(elapsed % 60);
        const int second = static_cast<int>(elapsed * 7 % 60);  // any second of the minute
        const auto tick =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(kBootOffsetMs + elapsed * 60000 + second * 1000LL));
        const std::wstring dateCaption = text::FormatIsoDate(date);
        const std::wstring timeCaption = text::FormatClock({hour, minute, second});
        const unsigned expected = DueRows(plans, dateCaption, timeCaption, date.day, weekday, tick);
        // Leave out each due row in turn, so that rows hidden behind an earlier one are checked too.
        for (unsigned removed = 0;;) {
            const int row = DueRow(dateCaption, timeCaption, tick, plans, removed);
            const unsigned remaining = expected & ~removed;
            ASSERT_EQ(row, remaining == 0 ? 0 : __builtin_ctz(remaining) + 1) << dateCaption << " " << timeCaption;
            if (row == 0) {
                break;
            }
            ++due[static_cast<std::size_t>(row - 1)];
            removed |= 1u << (row - 1);
        }
        if (hour == 23 && minute == 59) {
            const bool monthEnds = date.day >= text::DaysInMonth(date.year, date.month);
            date = !monthEnds        ? text::CivilDate{date.year, date.month, date.day + 1}
                   : date.month < 12 ? text::CivilDate{date.year, date.month + 1, 1}
                                     : text::CivilDate{date.year + 1, 1, 1};
            weekday = weekday % 7 + 1;
        }
    }
    EXPECT_TRUE(0 < due[9] && due[9] < due[4]) << due[9] << " " << due[4];
    due[4] = due[9] = 0;  // after start-up: checked minute by minute above
    // Counted by hand, so that a walk that finds nothing fails: 1096 days with 157 Sundays and 157 Saturdays,
    // seven 31st a year, 11 + 11 + 12 29th.
    EXPECT_EQ(due, (std::array<long long, 10>{1, 1096, 157, 21, 0, 1, 1096, 157, 34, 0}));
}

}  // namespace
