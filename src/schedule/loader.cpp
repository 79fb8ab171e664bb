#include "schedule/loader.h"

#include "text/numbers.h"

namespace {

// An empty key, or a number that fails to convert, stores "" or 0 as the reset did; a time key is read only
// when its date, weekday or day key is set.
void LoadAction(ActionSchedule& s, const SettingsFile& file, const ActionKeys& keys) {
    const auto read = [&](const wchar_t* key) { return file.Read(keys.section, key); };
    s.onceDate = read(keys.onceDate);
    if (!s.onceDate.empty()) {
        s.onceTime = read(keys.onceTime);
    }
    s.dailyTime = read(keys.dailyTime);
    s.weeklyDay = read(keys.weeklyDay);
    s.weeklyDayNumber = WeekdayNumberOf(s.weeklyDay);
    if (!s.weeklyDay.empty()) {
        s.weeklyTime = read(keys.weeklyTime);
    }
    const std::wstring day = read(keys.monthlyDay);
    s.monthlyDay = text::ToWholeNumber(day).value_or(0);
    if (!day.empty()) {
        s.monthlyTime = read(keys.monthlyTime);
    }
    s.bootMinutes = text::ToWholeNumber(read(keys.bootMinutes)).value_or(0);
}

}  // namespace

std::int32_t WeekdayNumberOf(std::wstring_view weeklyDay) {
    for (std::int32_t i = 0; i < 7; ++i) {
        if (weeklyDay.substr(0, 2) == kWeekdayNames[i]) {
            return i + 1;
        }
    }
    return 0;
}

void LoadSchedule(ScheduleModel& model, const SettingsFile& file) {
    model = ScheduleModel{};
    LoadAction(model.shutdownSchedule, file, KeysFor(Action::Shutdown));
    LoadAction(model.restartSchedule, file, KeysFor(Action::Restart));
}
