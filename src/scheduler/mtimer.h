// The callback all Timer objects share, and the registry through which it finds the expired one.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/win32.h"

namespace mTimer {

// Key "ID:" + the platform timer id in decimal; item: the Timer object's address (not owned).
using Registry = std::map<std::wstring, std::uintptr_t>;

Registry& TimerRegistry();
std::wstring RegistryKey(UINT_PTR timerId);
void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR id, DWORD systemTime);

}  // namespace mTimer
