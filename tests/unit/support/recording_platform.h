// The executor's and the timers' platform as the core's tests see it: every call recorded in order ("enable",
// "disable", "exit 8", "start 1000", "stop 1"), every box's text kept, and the failures a test asks for.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scheduler/timer.h"
#include "system/shutdown.h"

struct RecordingPlatform : ShutdownCalls, PlatformTimers {
    std::optional<PrivilegeStep> SetPrivilege(bool enable) override {
        calls.emplace_back(enable ? "enable" : "disable");
        return failingStep;
    }
    bool RequestExit(std::int32_t mode) override {
        calls.push_back("exit " + std::to_string(mode));
        return !exitRefused;
    }
    void ShowFailure(const wchar_t* message) override { boxes.emplace_back(message); }
    std::uintptr_t Start(std::int32_t milliseconds) override {
        calls.push_back("start " + std::to_string(milliseconds));
        return timersRefused ? 0 : ++lastTimerId;
    }
    void Stop(std::uintptr_t id) override { calls.push_back("stop " + std::to_string(id)); }

    std::optional<PrivilegeStep> failingStep;
    bool exitRefused = false;
    bool timersRefused = false;
    std::uintptr_t lastTimerId = 0;
    std::vector<std::string> calls;
    std::vector<std::wstring> boxes;
};
