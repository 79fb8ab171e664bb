// Where the running executable lies, as the platform reports it.
#pragma once

#include <string>

std::wstring ProgramPath();
// The folder of ProgramPath(), a drive root keeping its separator.
std::wstring ProgramFolder();
