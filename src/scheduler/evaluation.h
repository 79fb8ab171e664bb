// The once-a-second decision: which of the ten triggers, if any, is due at the current moment.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "schedule/schedule_model.h"

struct DueTrigger {
    Action action;
    TriggerKind kind;
};

// The moment comes from the two captions the tick has just written ("YYYY-MM-DD", "hh:mm:ss");
// `tickCount` is the platform's millisecond counter since start, taken as a signed number.
std::optional<DueTrigger> FindDueTrigger(std::wstring_view dateCaption, std::wstring_view timeCaption,
                                         std::int32_t tickCount, const ScheduleModel& model);

// The mode passed to the executor: 8 (power off) for shutdown, 2 (reboot) for restart.
std::int32_t ShutDownModeFor(Action action);
