// Host stand-in for the process token, its privileges and ExitWindowsEx. Nothing is shut down: each call
// is logged with its arguments, so tests can check the order and the values.
#include <cstdio>

#include "platform/host/control.h"

namespace {

struct SecurityState {
    std::vector<std::string> log;
    hostenv::SecurityStep failing = hostenv::SecurityStep::None;
};

SecurityState& State() {
    static SecurityState state;
    return state;
}

int tokenObject;
const HANDLE kToken = &tokenObject;

template <typename... Args>
void Log(const char* format, Args... args) {
    char line[256];
    std::snprintf(line, sizeof line, format, args...);
    State().log.emplace_back(line);
}

BOOL Succeeds(hostenv::SecurityStep step) {
    return State().failing == step ? FALSE : TRUE;
}

}  // namespace

namespace hostenv {

const std::vector<std::string>& SecurityLog() {
    return State().log;
}

void FailSecurityStep(SecurityStep step) {
    State().failing = step;
}

void ResetSecurity() {
    State() = SecurityState{};
}

}  // namespace hostenv

HANDLE GetCurrentProcess() {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
}

BOOL OpenProcessToken(HANDLE process, DWORD access, HANDLE* token) {
    Log("OpenProcessToken(process=%ld, access=0x%X)", static_cast<long>(reinterpret_cast<std::intptr_t>(process)),
        static_cast<unsigned>(access));
    if (Succeeds(hostenv::SecurityStep::OpenToken) == FALSE) {
        return FALSE;
    }
    *token = kToken;
    return TRUE;
}

// Whatever the name, the identifier is that of "SeShutdownPrivilege" on Windows; the log shows the name.
BOOL LookupPrivilegeValueA(const char* systemName, const char* name, LUID* luid) {
    Log("LookupPrivilegeValueA(system=%s, name=%s)", systemName == nullptr ? "null" : systemName, name);
    *luid = LUID{19, 0};
    return Succeeds(hostenv::SecurityStep::LookupPrivilege);
}

BOOL AdjustTokenPrivileges(HANDLE token,
                           BOOL disableAll,
                           TOKEN_PRIVILEGES* newState,
                           DWORD bufferLength,
                           TOKEN_PRIVILEGES* previousState,
                           DWORD* returnLength) {  // NOLINT(readability-non-const-parameter): the API's signature
    const LUID_AND_ATTRIBUTES& entry = newState->Privileges[0];
    Log("AdjustTokenPrivileges(%s, disableAll=%d, count=%u, luid=%u:%d, attributes=%u, bufferLength=%u, "
        "previousState=%s, returnLength=%s)",
        token == kToken ? "token" : "other", disableAll, static_cast<unsigned>(newState->PrivilegeCount),
        static_cast<unsigned>(entry.Luid.LowPart), static_cast<int>(entry.Luid.HighPart),
        static_cast<unsigned>(entry.Attributes), static_cast<unsigned>(bufferLength),
        previousState == nullptr ? "null" : "set", returnLength == nullptr ? "null" : "set");
    return Succeeds(hostenv::SecurityStep::AdjustPrivileges);
}

BOOL ExitWindowsEx(UINT flags, DWORD reason) {
    Log("ExitWindowsEx(flags=%u, reason=%u)", flags, static_cast<unsigned>(reason));
    return Succeeds(hostenv::SecurityStep::ExitWindows);
}

BOOL CloseHandle(HANDLE handle) {
    Log("CloseHandle(%s)", handle == kToken ? "token" : "other");
    return TRUE;
}
