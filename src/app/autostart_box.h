// The autostart check box "开机自动运行" against the Run value of the registry.
#pragma once

#include <string>

namespace autostart {

// The command this copy of the program registers: its own path followed by " /s".
std::wstring ExpectedCommand();

// Whether the Run value holds exactly `command` (the text read is cut at its first NUL).
bool IsRegistered(const std::wstring& command);

// The box's value 1 writes the Run value, any other deletes it; the registry's answer is not looked at,
// so the box keeps the state the user gave it.
void Apply(int boxValue, const std::wstring& command);

}  // namespace autostart
