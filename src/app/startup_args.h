// What the program makes of its command line.
#pragma once

#include <string>
#include <string_view>

// The argument string: the command line without the program's own path and the one blank that
// separates them. `programPath` is the executable's path as the platform reports it; the command line
// may carry it unquoted with blanks (a Run value does) or in other Latin letter case. A command line
// that does not begin with it loses its first word: up to the closing quote, or to the first blank.
std::wstring ArgumentString(std::wstring_view commandLine, std::wstring_view programPath);

// Only the exact argument string "/s" starts the program hidden in the tray.
bool StartsHidden(std::wstring_view argumentString);
