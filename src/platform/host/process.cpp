// Host stand-in for the process's view of its own executable, and the mapping of the Windows paths the
// stand-in receives to host paths.
#include <algorithm>

#include "platform/codepage.h"
#include "platform/host/control.h"

namespace {

std::wstring& ModulePath() {
    static std::wstring path = L"C:\\Program Files\\Timer\\timer.exe";
    return path;
}

}  // namespace

namespace hostenv {

void SetModulePath(const std::wstring& path) {
    ModulePath() = path;
}

std::string HostPath(const std::wstring& windowsPath) {
    std::wstring path = windowsPath;
    for (wchar_t& c : path) {
        if (c == L'\\') {
            c = L'/';
        }
    }
    return text::ToCodePage(path, CP_UTF8);
}

}  // namespace hostenv

DWORD GetModuleFileNameW(HMODULE, wchar_t* fileName, DWORD size) {
    const std::size_t count = std::min<std::size_t>(ModulePath().size(), size - 1);
    ModulePath().copy(fileName, count);
    fileName[count] = L'\0';
    return static_cast<DWORD>(count);
}
