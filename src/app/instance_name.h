// The name of the mutex by which a second start of the same executable recognises the first.
#pragma once

#include <string>
#include <string_view>

// Derived from the executable's full path, with Latin letter case ignored (Windows paths are
// case-insensitive), so copies of the program in other folders run side by side.
std::wstring InstanceMutexName(std::wstring_view executablePath);
