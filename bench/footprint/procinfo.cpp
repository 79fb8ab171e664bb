// Prints the processor time and memory of a running process, found by a substring of one of its
// windows' titles (hidden windows included) or by its process id.
// Usage: procinfo TITLE | procinfo #PID        Output: one "name value" pair a line.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* part;
    DWORD pid;
};

BOOL CALLBACK Match(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    if (title[0] != L'\0' && std::wcsstr(title, search->part) != nullptr) {
        GetWindowThreadProcessId(window, &search->pid);
        return FALSE;
    }
    return TRUE;
}

DWORD FindProcess(const wchar_t* argument) {
    if (argument[0] == L'#') {
        return static_cast<DWORD>(std::wcstoul(argument + 1, nullptr, 10));
    }
    Search search{argument, 0};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.pid;
}

unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: procinfo TITLE | procinfo #PID\n");
        return 2;
    }
    const DWORD pid = FindProcess(argv[1]);
    HANDLE process = pid != 0 ? OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, pid) : nullptr;
    if (process == nullptr) {
        std::fprintf(stderr, "procinfo: no such process\n");
        return 1;
    }
    wchar_t image[MAX_PATH] = {};
    DWORD imageSize = MAX_PATH;
    QueryFullProcessImageNameW(process, 0, image, &imageSize);
    FILETIME created{}, exited{}, kernel{}, user{};
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    const bool ok = GetProcessTimes(process, &created, &exited, &kernel, &user) &&
                    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    CloseHandle(process);
    if (!ok) {
        std::fprintf(stderr, "procinfo: cannot read the process (error %lu)\n", GetLastError());
        return 1;
    }
    std::printf("pid %lu\n", pid);
    std::printf("image %ls\n", image);
    std::printf("cpu_ms %llu\n", (Ticks(kernel) + Ticks(user)) / 10000);
    std::printf("working_set_kb %llu\n", static_cast<unsigned long long>(memory.WorkingSetSize / 1024));
    std::printf("peak_working_set_kb %llu\n", static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    std::printf("private_kb %llu\n", static_cast<unsigned long long>(memory.PrivateUsage / 1024));
    return 0;
}
