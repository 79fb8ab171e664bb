// Where the running executable lies, as the platform reports it.
#pragma once

#include <string>

namespace platform {

// The executable's full path.
std::wstring ProgramPath();
// The folder of the executable, without a trailing separator except at a drive root ("C:\").
std::wstring ProgramFolder();
// The executable's file name without folder and extension.
std::wstring ProgramBaseName();

}  // namespace platform
