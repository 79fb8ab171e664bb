// The in-memory schedule: the two actions' triggers as the loader reads them from timer.ini.
#pragma once

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
};

const ActionKeys& KeysFor(Action action);
// "关机" or "重启", the word that tells the twin texts of the two actions apart.
const wchar_t* ActionWord(Action action);
