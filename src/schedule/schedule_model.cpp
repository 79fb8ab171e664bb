#include "schedule/schedule_model.h"

#include <tuple>

namespace {

auto Fields(const ActionSchedule& s) {
    return std::tie(s.onceDate, s.onceTime, s.dailyTime, s.weeklyDay, s.weeklyDayNumber, s.weeklyTime, s.monthlyDay,
                    s.monthlyTime, s.bootMinutes);
}

const ActionKeys kShutdownKeys{L"关机",
                               L"定时关机日期",
                               L"定时关机时间",
                               L"每天定时关机",
                               L"每周定时关机周几",
                               L"每周定时关机时间",
                               L"每月定时关机日期",
                               L"每月定时关机时间",
                               L"每次开机X分钟关机"};

const ActionKeys kRestartKeys{L"重启",
                              L"定时重启日期",
                              L"定时重启时间",
                              L"每天定时重启",
                              L"每周定时重启周几",
                              L"每周定时重启时间",
                              L"每月定时重启日期",
                              L"每月定时重启时间",
                              L"每次开机X分钟重启"};

}  // namespace

bool ActionSchedule::operator==(const ActionSchedule& other) const {
    return Fields(*this) == Fields(other);
}

const ActionKeys& KeysFor(Action action) {
    return action == Action::Shutdown ? kShutdownKeys : kRestartKeys;
}

const wchar_t* ActionWord(Action action) {
    return KeysFor(action).section;
}
