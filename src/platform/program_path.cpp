#include "platform/program_path.h"

#include "platform/win32.h"

namespace platform {

// Room for the longest path Windows knows.
std::wstring ProgramPath() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::wstring ProgramFolder() {
    const std::wstring path = ProgramPath();
    const std::size_t slash = path.find_last_of(L"\\/");
    // A drive root keeps its separator, so "C:\app.exe" reports "C:\" (three characters).
    return path.substr(0, slash == 2 ? 3 : slash);
}

// Without a separator, npos + 1 is 0 and the whole path is the name.
std::wstring ProgramBaseName() {
    const std::wstring path = ProgramPath();
    const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

}  // namespace platform
