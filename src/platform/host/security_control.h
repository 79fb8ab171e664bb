// Test controls of the host stand-in for the process token, its privileges and ExitWindowsEx: every call
// is written to one log, in order, and any step can be told to fail.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace hostenv {

enum class SecurityStep { OpenToken, LookupPrivilege, AdjustPrivileges, ExitWindows };

// The identifier LookupPrivilegeValueA reports for "SeShutdownPrivilege".
constexpr LUID kShutdownPrivilegeLuid{19, 0};

// One line per call, e.g. "OpenProcessToken(process=-1, access=0x20)"; see security.cpp for each form.
const std::vector<std::string>& SecurityLog();
// Makes every later call of that step fail until reset.
void FailSecurityStep(SecurityStep step);
// Whether the shutdown privilege of the process token is currently enabled.
bool ShutdownPrivilegeEnabled();
// Tokens opened and not yet closed.
int OpenTokenCount();
void ResetSecurity();

}  // namespace hostenv
