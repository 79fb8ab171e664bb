#include "app/summary_lines.h"

#include "text/dates.h"
#include "text/numbers.h"

namespace {

constexpr std::size_t kColumnWidth = 20;

// Where wchar_t is UTF-16, a character outside the basic plane is two units, the first a high surrogate.
std::size_t UnitsAt(std::wstring_view text, std::size_t at) {
    return at + 1 < text.size() && text[at] >= 0xD800 && text[at] <= 0xDBFF ? 2 : 1;
}

std::wstring Ending(Action action, TriggerKind kind, std::wstring_view minutes) {
    const std::wstring word = ActionWord(action);
    switch (kind) {
        case TriggerKind::Once:
            return L"  (定时" + word + L")";
        case TriggerKind::Daily:
            return L"  (每天定时" + word + L")";
        case TriggerKind::Weekly:
            return L"(每周定时" + word + L")";
        case TriggerKind::Monthly:
            return L" (每月定时" + word + L")";
        case TriggerKind::AfterStart:
            return L"  (每次开机" + std::wstring(minutes) + L"分钟" + word + L")";
    }
    return {};
}

}  // namespace

std::wstring SummaryLine(Action action, TriggerKind kind, std::wstring_view column, std::wstring_view minutes) {
    const std::wstring padded = std::wstring(column) + std::wstring(kColumnWidth, L' ');
    return std::wstring(FirstCharacters(padded, kColumnWidth)) + Ending(action, kind, minutes);
}

std::wstring_view FirstCharacters(std::wstring_view text, std::size_t count) {
    std::size_t end = 0;
    for (; count > 0 && end < text.size(); --count) {
        end += UnitsAt(text, end);
    }
    return text.substr(0, end);
}

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
