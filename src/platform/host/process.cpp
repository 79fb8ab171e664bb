// Host stand-in for the process's view of itself and of the clock; tests set what it reports.
#include <cwchar>
#include <string>

#include "platform/host/process_control.h"
#include "platform/codepage.h"

namespace {

struct ProcessState {
    std::wstring modulePath = L"C:\\Program Files\\Timer\\timer.exe";
    std::uint32_t tickCount = 0;
    SYSTEMTIME localTime{2026, 12, 5, 4, 23, 5, 7, 0};
};

ProcessState& State() {
    static ProcessState state;
    return state;
}

// Sunday = 0, as SYSTEMTIME counts.
WORD DayOfWeek(int year, int month, int day) {
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) {
        year -= 1;
    }
    return static_cast<WORD>((year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7);
}

}  // namespace

namespace hostenv {

void SetModulePath(const std::wstring& path) {
    State().modulePath = path;
}

void SetTickCount(std::uint32_t milliseconds) {
    State().tickCount = milliseconds;
}

void SetLocalTime(int year, int month, int day, int hour, int minute, int second) {
    State().localTime = SYSTEMTIME{static_cast<WORD>(year), static_cast<WORD>(month), DayOfWeek(year, month, day),
                                   static_cast<WORD>(day), static_cast<WORD>(hour), static_cast<WORD>(minute),
                                   static_cast<WORD>(second), 0};
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

DWORD GetModuleFileNameW(HMODULE, LPWSTR fileName, DWORD size) {
    const std::wstring& path = State().modulePath;
    if (size == 0) {
        return 0;
    }
    const std::size_t count = path.size() < size ? path.size() : size - 1;
    path.copy(fileName, count);
    fileName[count] = L'\0';
    return path.size() < size ? static_cast<DWORD>(count) : size;
}

DWORD GetTickCount() {
    return State().tickCount;
}

void GetLocalTime(SYSTEMTIME* time) {
    *time = State().localTime;
}

HANDLE GetCurrentProcess() {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
}
