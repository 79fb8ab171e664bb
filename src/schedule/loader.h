// Loading the schedule model from timer.ini.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "schedule/schedule_model.h"

// 1 for a text beginning with "周日" ... 7 for "周六", 0 for any other text.
std::int32_t WeekdayNumberOf(std::wstring_view weeklyDay);

// Rebuilds both records from the settings file of `folder`; never fails (a missing file leaves both empty).
void LoadSchedule(ScheduleModel& model, const std::wstring& folder);
