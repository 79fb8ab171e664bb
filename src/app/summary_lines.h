// The readable lines of the main window's two schedule lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "schedule/schedule_model.h"

// The text set left-aligned in a column of exactly 20 characters (padded or cut), then the ending of
// the trigger's line; `minutes` is the number repeated in the after-start-up ending.
std::wstring SummaryLine(Action action, TriggerKind kind, std::wstring_view column, std::wstring_view minutes = {});

// The lines FillScheduleLists shows for one action's loaded schedule, in list order.
std::vector<std::wstring> ScheduleLines(Action action, const ActionSchedule& schedule);
