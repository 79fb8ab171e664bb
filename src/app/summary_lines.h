// The readable lines of the two schedule lists: a 20-character column, then the trigger's ending.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "schedule/schedule_model.h"

// The text set left-aligned in a column of exactly 20 characters (padded or cut), then the ending of the
// trigger's line; `minutes` is the number repeated in the after-start-up ending.
std::wstring SummaryLine(Action action, TriggerKind kind, std::wstring_view column, std::wstring_view minutes = {});

// The first `count` characters of `text` (all of it when shorter).
std::wstring_view FirstCharacters(std::wstring_view text, std::size_t count);

// The lines FillScheduleLists shows for one action's loaded schedule, in list order.
std::vector<std::wstring> ScheduleLines(Action action, const ActionSchedule& schedule);
