// Loading the schedule model from the settings file.
#pragma once

#include <cstdint>
#include <string_view>

#include "schedule/schedule_model.h"
#include "schedule/settings_file.h"

// 1 for a text beginning with "周日" ... 7 for "周六", 0 for any other text.
std::int32_t WeekdayNumberOf(std::wstring_view weeklyDay);

// Rebuilds both records from the file; never fails (a missing file leaves both empty).
void LoadSchedule(ScheduleModel& model, const SettingsFile& file);
