// The in-memory schedule: the two actions' triggers as the loader reads them from timer.ini.
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum class Action { Shutdown, Restart };

// The five triggers of an action, in the order they are evaluated, listed and saved.
enum class TriggerKind { Once, Daily, Weekly, Monthly, AfterStart };

struct ActionSchedule {
    std::wstring onceDate;
    std::wstring onceTime;
    std::wstring dailyTime;
    std::wstring weeklyDay;
    std::int32_t weeklyDayNumber = 0;  // 1 = 周日 ... 7 = 周六, 0 = not set
    std::wstring weeklyTime;
    std::int32_t monthlyDay = 0;
    std::wstring monthlyTime;
    std::int32_t bootMinutes = 0;

    bool operator==(const ActionSchedule& other) const;
};

struct ScheduleModel {
    ActionSchedule shutdownSchedule;
    ActionSchedule restartSchedule;

    const ActionSchedule& For(Action action) const {
        return action == Action::Shutdown ? shutdownSchedule : restartSchedule;
    }
};

// The section of an action and its eight keys, in the order a save writes them.
struct ActionKeys {
    const wchar_t* section;
    const wchar_t* onceDate;
    const wchar_t* onceTime;
    const wchar_t* dailyTime;
    const wchar_t* weeklyDay;
    const wchar_t* weeklyTime;
    const wchar_t* monthlyDay;
    const wchar_t* monthlyTime;
    const wchar_t* bootMinutes;

    // The eight keys in that order.
    std::array<const wchar_t*, 8> InOrder() const {
        return {onceDate, onceTime, dailyTime, weeklyDay, weeklyTime, monthlyDay, monthlyTime, bootMinutes};
    }
};

const ActionKeys& KeysFor(Action action);
// "关机" or "重启", the word that tells the twin texts of the two actions apart.
const wchar_t* ActionWord(Action action);

// The weekday names, Sunday first: the weekday box's items, and the names a stored weekday is numbered by.
inline constexpr const wchar_t* kWeekdayNames[] = {L"周日", L"周一", L"周二", L"周三", L"周四", L"周五", L"周六"};
