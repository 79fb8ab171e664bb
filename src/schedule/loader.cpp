#include "schedule/loader.h"

#include <optional>

#include "schedule/ini.h"
#include "text/numbers.h"

namespace {

constexpr const wchar_t* kWeekdayNames[] = {L"周日", L"周一", L"周二", L"周三", L"周四", L"周五", L"周六"};

class SectionReader {
  public:
    SectionReader(const std::wstring& folder, const wchar_t* section) : folder_(folder), section_(section) {}

    // Each read forms the path anew, as every reader of the settings file does.
    std::wstring operator()(const wchar_t* key) const {
        return ini::readIniValue(ini::SettingsPath(folder_), section_, key);
    }

  private:
    const std::wstring& folder_;
    std::wstring section_;
};

// A failed conversion leaves the field as it was (0 after the reset).
void AssignNumber(std::int32_t& field, const std::wstring& text) {
    if (const std::optional<std::int32_t> number = text::ToWholeNumber(text)) {
        field = *number;
    }
}

void LoadAction(ActionSchedule& schedule, const std::wstring& folder, const ActionKeys& keys) {
    const SectionReader read(folder, keys.section);
    if (std::wstring date = read(keys.onceDate); !date.empty()) {
        schedule.onceDate = std::move(date);
        schedule.onceTime = read(keys.onceTime);
    }
    if (std::wstring daily = read(keys.dailyTime); !daily.empty()) {
        schedule.dailyTime = std::move(daily);
    }
    if (std::wstring weekday = read(keys.weeklyDay); !weekday.empty()) {
        schedule.weeklyDayNumber = WeekdayNumberOf(weekday);
        schedule.weeklyDay = std::move(weekday);
        schedule.weeklyTime = read(keys.weeklyTime);
    }
    if (const std::wstring day = read(keys.monthlyDay); !day.empty()) {
        AssignNumber(schedule.monthlyDay, day);
        schedule.monthlyTime = read(keys.monthlyTime);
    }
    if (const std::wstring minutes = read(keys.bootMinutes); !minutes.empty()) {
        AssignNumber(schedule.bootMinutes, minutes);
    }
}

}  // namespace

std::int32_t WeekdayNumberOf(std::wstring_view weeklyDay) {
    const std::wstring_view head = weeklyDay.substr(0, 2);
    for (std::int32_t i = 0; i < 7; ++i) {
        if (head == kWeekdayNames[i]) {
            return i + 1;
        }
    }
    return 0;
}

void LoadSchedule(ScheduleModel& model, const std::wstring& folder) {
    model.shutdownSchedule = ActionSchedule{};
    model.restartSchedule = ActionSchedule{};
    LoadAction(model.shutdownSchedule, folder, KeysFor(Action::Shutdown));
    LoadAction(model.restartSchedule, folder, KeysFor(Action::Restart));
}
