// Walks the clock minute by minute through 2026-2028 and checks every trigger against an independent
// calendar: due in exactly its minutes and in no other.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "scheduler/evaluation.h"

namespace {

struct Civil {
    int year;
    int month;
    int day;
};

// Days since 1970-01-01 and back, the proleptic Gregorian calendar by era arithmetic.
long long DaysFromCivil(int year, int month, int day) {
    const long long y = year - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Civil CivilFromDays(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

// 1970-01-01 was a Thursday; Sunday counts as 1.
int WeekdayFromDays(long long days) {
    return static_cast<int>(((days % 7) + 11) % 7) + 1;
}

// A trigger as the user set it up, in numbers.
struct Plan {
    Action action;
    TriggerKind kind;
    Civil date;   // one-time: the date; monthly: only the day
    int weekday;  // weekly: 1 = Sunday
    int hour;
    int minute;
    int bootMinutes;  // after start-up
};

int RowOf(const Plan& plan) {
    return (plan.action == Action::Shutdown ? 1 : 6) + static_cast<int>(plan.kind);
}

std::wstring Printed(const wchar_t* format, int a, int b, int c = 0) {
    wchar_t buffer[32];
    std::swprintf(buffer, 32, format, a, b, c);
    return buffer;
}

ScheduleModel ModelOf(const std::vector<Plan>& plans) {
    static const wchar_t* const kWeekdayNames[] = {L"周日", L"周一", L"周二", L"周三", L"周四", L"周五", L"周六"};
    ScheduleModel model;
    for (const Plan& plan : plans) {
        ActionSchedule& s = plan.action == Action::Shutdown ? model.shutdownSchedule : model.restartSchedule;
        const std::wstring time = Printed(L"%02d:%02d", plan.hour, plan.minute);
        switch (plan.kind) {
            case TriggerKind::Once:
                s.onceDate = Printed(L"%04d-%02d-%02d", plan.date.year, plan.date.month, plan.date.day);
                s.onceTime = time;
                break;
            case TriggerKind::Daily:
                s.dailyTime = time;
                break;
            case TriggerKind::Weekly:
                s.weeklyDay = kWeekdayNames[plan.weekday - 1];
                s.weeklyDayNumber = plan.weekday;
                s.weeklyTime = time;
                break;
            case TriggerKind::Monthly:
                s.monthlyDay = plan.date.day;
                s.monthlyTime = time;
                break;
            case TriggerKind::AfterStart:
                s.bootMinutes = plan.bootMinutes;
                break;
        }
    }
    return model;
}

// The model with the rows of `mask` (bit 0 = row 1) switched off.
ScheduleModel WithoutRows(ScheduleModel model, unsigned mask) {
    for (int row = 1; row <= 10; ++row) {
        if ((mask & (1u << (row - 1))) == 0) {
            continue;
        }
        ActionSchedule& s = row <= 5 ? model.shutdownSchedule : model.restartSchedule;
        switch ((row - 1) % 5) {
            case 0:
                s.onceDate.clear();
                break;
            case 1:
                s.dailyTime.clear();
                break;
            case 2:
                s.weeklyTime.clear();
                break;
            case 3:
                s.monthlyTime.clear();
                break;
            default:
                s.bootMinutes = 0;
                break;
        }
    }
    return model;
}

struct Minute {
    Civil date;
    int weekday;
    int hour;
    int minute;
    std::int32_t tick;
};

bool IsDue(const Plan& plan, const Minute& m) {
    const bool sameTime = plan.hour == m.hour && plan.minute == m.minute;
    switch (plan.kind) {
        case TriggerKind::Once:
            return sameTime && plan.date.year == m.date.year && plan.date.month == m.date.month &&
                   plan.date.day == m.date.day;
        case TriggerKind::Daily:
            return sameTime;
        case TriggerKind::Weekly:
            return sameTime && plan.weekday == m.weekday;
        case TriggerKind::Monthly:
            return sameTime && plan.date.day == m.date.day;
        case TriggerKind::AfterStart:
            return plan.bootMinutes > 0 && static_cast<long long>(m.tick) >= plan.bootMinutes * 60000LL;
    }
    return false;
}

void PutDigits(wchar_t* out, int value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    }
}

struct WalkResult {
    long long evaluations = 0;
    long long mismatches = 0;
    std::array<long long, 10> dueMinutes{};  // per row, as found by FindDueTrigger
};

// The computer was started before the walk begins; its millisecond counter wraps every ~49.7 days.
constexpr long long kBootOffsetMs = 3LL * 24 * 3600 * 1000 + 12345;

WalkResult Walk(const std::vector<Plan>& plans, Civil from, Civil to) {
    const ScheduleModel base = ModelOf(plans);
    std::unordered_map<unsigned, ScheduleModel> variants;
    auto variant = [&](unsigned mask) -> const ScheduleModel& {
        auto it = variants.find(mask);
        if (it == variants.end()) {
            it = variants.emplace(mask, WithoutRows(base, mask)).first;
        }
        return it->second;
    };

    WalkResult result;
    const long long first = DaysFromCivil(from.year, from.month, from.day);
    const long long last = DaysFromCivil(to.year, to.month, to.day);
    wchar_t dateCaption[] = L"YYYY-MM-DD";
    wchar_t timeCaption[] = L"hh:mm:ss";
    for (long long days = first; days <= last; ++days) {
        Minute m{CivilFromDays(days), WeekdayFromDays(days), 0, 0, 0};
        PutDigits(dateCaption, m.date.year, 4);
        PutDigits(dateCaption + 5, m.date.month, 2);
        PutDigits(dateCaption + 8, m.date.day, 2);
        for (int minuteOfDay = 0; minuteOfDay < 24 * 60; ++minuteOfDay) {
            m.hour = minuteOfDay / 60;
            m.minute = minuteOfDay % 60;
            const long long elapsedMinutes = (days - first) * 24 * 60 + minuteOfDay;
            const int second = static_cast<int>(elapsedMinutes * 7 % 60);  // any tick of the minute
            const long long uptimeMs = kBootOffsetMs + elapsedMinutes * 60000 + second * 1000;
            m.tick = static_cast<std::int32_t>(static_cast<std::uint32_t>(uptimeMs & 0xFFFFFFFF));
            PutDigits(timeCaption, m.hour, 2);
            PutDigits(timeCaption + 3, m.minute, 2);
            PutDigits(timeCaption + 6, second, 2);

            unsigned expected = 0;
            for (const Plan& plan : plans) {
                expected |= IsDue(plan, m) ? 1u << (RowOf(plan) - 1) : 0u;
            }
            // Peel off each due row in turn, so that rows hidden behind an earlier one are checked too.
            for (unsigned removed = 0;;) {
                const auto due = FindDueTrigger(dateCaption, timeCaption, m.tick, variant(removed));
                ++result.evaluations;
                const unsigned remaining = expected & ~removed;
                const int expectedRow = remaining == 0 ? 0 : __builtin_ctz(remaining) + 1;
                const int row = due ? due->row : 0;
                if (row != expectedRow) {
                    if (++result.mismatches <= 10) {
                        ADD_FAILURE() << std::string(dateCaption, dateCaption + 10) << " "
                                      << std::string(timeCaption, timeCaption + 8) << " tick " << m.tick << ": row "
                                      << row << ", expected " << expectedRow;
                    }
                    break;
                }
                if (row == 0) {
                    break;
                }
                ++result.dueMinutes[static_cast<std::size_t>(row - 1)];
                removed |= 1u << (row - 1);
            }
        }
    }
    return result;
}

TEST(Simulation, EveryTriggerDueInExactlyItsMinutes) {
    const std::vector<Plan> plans = {
        {Action::Shutdown, TriggerKind::Once, {2028, 2, 29}, 0, 12, 0, 0},  // leap day
        {Action::Shutdown, TriggerKind::Daily, {}, 0, 23, 59, 0},
        {Action::Shutdown, TriggerKind::Weekly, {}, 1, 0, 0, 0},  // Sundays at midnight
        {Action::Shutdown, TriggerKind::Monthly, {0, 0, 31}, 0, 12, 0, 0},
        {Action::Shutdown, TriggerKind::AfterStart, {}, 0, 0, 0, 34000},
        {Action::Restart, TriggerKind::Once, {2026, 3, 1}, 0, 0, 0, 0},  // a Sunday: hidden behind row 3
        {Action::Restart, TriggerKind::Daily, {}, 0, 12, 0, 0},          // meets rows 1 and 4
        {Action::Restart, TriggerKind::Weekly, {}, 7, 23, 59, 0},        // Saturdays, meets row 2
        {Action::Restart, TriggerKind::Monthly, {0, 0, 30}, 0, 0, 0, 0},
        {Action::Restart, TriggerKind::AfterStart, {}, 0, 0, 0, 35000},
    };
    const WalkResult result = Walk(plans, {2026, 1, 1}, {2028, 12, 31});
    EXPECT_EQ(result.mismatches, 0);

    // Counted by hand for 2026-2028 (1096 days, 157 Sundays and 157 Saturdays), so a vacuous walk fails.
    const long long kDays = 1096;
    EXPECT_EQ(result.dueMinutes[0], 1);
    EXPECT_EQ(result.dueMinutes[1], kDays);
    EXPECT_EQ(result.dueMinutes[2], 157);
    EXPECT_EQ(result.dueMinutes[3], 7 * 3);
    EXPECT_EQ(result.dueMinutes[5], 1);
    EXPECT_EQ(result.dueMinutes[6], kDays);
    EXPECT_EQ(result.dueMinutes[7], 157);
    EXPECT_EQ(result.dueMinutes[8], 11 * 3);
    EXPECT_GT(result.dueMinutes[4], 0);
    EXPECT_GT(result.dueMinutes[9], 0);
    EXPECT_LT(result.dueMinutes[9], result.dueMinutes[4]);
}

// The start of the leap year once more: single-digit days, day 29 in three months of different lengths,
// midnight, and the last minute of the walk.
TEST(Simulation, LeapYearQuarterWithOtherTriggers) {
    const std::vector<Plan> plans = {
        {Action::Shutdown, TriggerKind::Once, {2028, 3, 31}, 0, 23, 59, 0},
        {Action::Shutdown, TriggerKind::Daily, {}, 0, 0, 0, 0},
        {Action::Shutdown, TriggerKind::Weekly, {}, 4, 12, 30, 0},         // Wednesdays
        {Action::Shutdown, TriggerKind::Monthly, {0, 0, 29}, 0, 0, 0, 0},  // hidden behind row 2
        {Action::Restart, TriggerKind::Once, {2028, 1, 1}, 0, 0, 0, 0},    // hidden behind row 2
        {Action::Restart, TriggerKind::Daily, {}, 0, 12, 30, 0},
        {Action::Restart, TriggerKind::Weekly, {}, 6, 23, 59, 0},  // 2028-03-31 is a Friday: meets row 1
        {Action::Restart, TriggerKind::Monthly, {0, 0, 1}, 0, 12, 30, 0},
        {Action::Restart, TriggerKind::AfterStart, {}, 0, 0, 0, -5},  // negative: never
    };
    const WalkResult result = Walk(plans, {2028, 1, 1}, {2028, 3, 31});
    EXPECT_EQ(result.mismatches, 0);

    // 91 days, thirteen weeks from a Saturday.
    const std::array<long long, 10> expected = {1, 91, 13, 3, 0, 1, 91, 13, 3, 0};
    EXPECT_EQ(result.dueMinutes, expected);
}

}  // namespace
