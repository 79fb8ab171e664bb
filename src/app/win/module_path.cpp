#include "app/win/module_path.h"

#include <windows.h>

#include "app/program_path.h"

// Room for the longest path Windows knows.
std::wstring ProgramPath() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::wstring ProgramFolder() {
    return FolderOf(ProgramPath());
}
