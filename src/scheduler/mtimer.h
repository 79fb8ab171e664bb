// The registry through which the callback all Timer objects share finds the one whose platform timer expired.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace mTimer {

// Key "ID:" + the platform timer id in decimal; item: the Timer object's address (not owned).
using Registry = std::map<std::wstring, std::uintptr_t>;

Registry& TimerRegistry();
std::wstring RegistryKey(std::uintptr_t timerId);

// The callback's work: raises the Timer event of the object registered under the id.
void RaiseTimerOf(std::uintptr_t timerId);

}  // namespace mTimer
