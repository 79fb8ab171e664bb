// What the program makes of its command line.
#pragma once

#include <string>
#include <string_view>

// The argument string: the command line without the program's own path and the one blank that
// separates them. A quoted path ends at its closing quote, an unquoted one at the first blank.
std::wstring ArgumentString(std::wstring_view commandLine);

// Only the exact argument string "/s" starts the program hidden in the tray.
bool StartsHidden(std::wstring_view argumentString);
