// The folder and the name of the running executable, from the path the platform reports.
#pragma once

#include <string>
#include <string_view>

// The folder, without a trailing separator except at a drive root ("C:\app.exe" gives "C:\").
std::wstring FolderOf(std::wstring_view programPath);
// The file name without folder and extension.
std::wstring BaseNameOf(std::wstring_view programPath);
