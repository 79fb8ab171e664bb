// The readable lines of the main window's two schedule lists.
#pragma once

#include <string>
#include <vector>

#include "schedule/schedule_model.h"

// The lines FillScheduleLists shows for one action's loaded schedule, in list order.
std::vector<std::wstring> ScheduleLines(Action action, const ActionSchedule& schedule);
