#include "app/summary_lines.h"

#include "schedule/summary_line.h"
#include "text/dates.h"
#include "text/numbers.h"

std::vector<std::wstring> ScheduleLines(Action action, const ActionSchedule& schedule) {
    std::vector<std::wstring> lines;
    const std::wstring onceDate = text::RenderIsoDate(schedule.onceDate);
    if (!onceDate.empty()) {
        const std::wstring column =
            std::wstring(FirstCharacters(onceDate, 10)) + L" " + text::RenderShortTime(schedule.onceTime);
        lines.push_back(SummaryLine(action, TriggerKind::Once, column));
    }
    const std::wstring dailyTime = text::RenderShortTime(schedule.dailyTime);
    if (!dailyTime.empty()) {
        lines.push_back(SummaryLine(action, TriggerKind::Daily, dailyTime));
    }
    const std::wstring weeklyTime = text::RenderShortTime(schedule.weeklyTime);
    if (!weeklyTime.empty()) {
        const std::wstring column = std::wstring(FirstCharacters(schedule.weeklyDay, 2)) + L" " + weeklyTime;
        lines.push_back(SummaryLine(action, TriggerKind::Weekly, column));
    }
    const std::wstring monthlyTime = text::RenderShortTime(schedule.monthlyTime);
    if (!monthlyTime.empty()) {
        const std::wstring column = text::FormatInteger(schedule.monthlyDay) + L"号 " + monthlyTime;
        lines.push_back(SummaryLine(action, TriggerKind::Monthly, column));
    }
    if (schedule.bootMinutes != 0) {
        const std::wstring minutes = text::FormatInteger(schedule.bootMinutes);
        lines.push_back(SummaryLine(action, TriggerKind::AfterStart, minutes, minutes));
    }
    return lines;
}
