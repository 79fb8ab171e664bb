// Test controls of the host stand-in for what the process learns about itself and the clock.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace hostenv {

// The path GetModuleFileNameW reports, in Windows form (e.g. L"D:\\Tools\\定时关机.exe").
void SetModulePath(const std::wstring& path);
// The value GetTickCount returns (milliseconds since start, wrapping at 2^32).
void SetTickCount(std::uint32_t milliseconds);
// The moment GetLocalTime returns; wDayOfWeek is derived from the date.
void SetLocalTime(int year, int month, int day, int hour, int minute, int second);
// Host paths for the Windows paths the stand-in receives: backslashes become slashes.
std::string HostPath(const std::wstring& windowsPath);

}  // namespace hostenv
