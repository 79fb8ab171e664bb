// The program goes by two names, on purpose: 岚舟 inside its own windows (the main window's caption, the title
// of its message boxes), 澄屿 where the system shows it outside them (the tray tip) and as the name of its
// autostart value. They are not to be made one.
#pragma once

inline constexpr wchar_t kApplicationTitle[] = L"岚舟定时关机";
inline constexpr wchar_t kSystemName[] = L"澄屿定时关机";
