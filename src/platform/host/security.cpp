// Host stand-in for the process token, its privileges and ExitWindowsEx. Nothing is shut down: the calls
// are logged with their arguments so tests can check the order and the values.
#include <cstdio>
#include <cstring>
#include <set>

#include "platform/host/security_control.h"

namespace {

constexpr char kShutdownPrivilegeName[] = "SeShutdownPrivilege";

struct SecurityState {
    std::vector<std::string> log;
    std::set<hostenv::SecurityStep> failing;
    std::set<std::uintptr_t> openTokens;
    std::uintptr_t nextToken = 0x100;
    bool privilegeEnabled = false;
};

SecurityState& State() {
    static SecurityState state;
    return state;
}

bool Fails(hostenv::SecurityStep step) {
    return State().failing.count(step) != 0;
}

template <typename... Args>
void Log(const char* format, Args... args) {
    char line[256];
    std::snprintf(line, sizeof line, format, args...);
    State().log.emplace_back(line);
}

bool IsToken(HANDLE handle) {
    return State().openTokens.count(reinterpret_cast<std::uintptr_t>(handle)) != 0;
}

}  // namespace

namespace hostenv {

const std::vector<std::string>& SecurityLog() {
    return State().log;
}

void FailSecurityStep(SecurityStep step) {
    State().failing.insert(step);
}

bool ShutdownPrivilegeEnabled() {
    return State().privilegeEnabled;
}

int OpenTokenCount() {
    return static_cast<int>(State().openTokens.size());
}

void ResetSecurity() {
    State() = SecurityState{};
}

}  // namespace hostenv

BOOL OpenProcessToken(HANDLE process, DWORD access, HANDLE* token) {
    Log("OpenProcessToken(process=%ld, access=0x%X)", static_cast<long>(reinterpret_cast<std::intptr_t>(process)),
        static_cast<unsigned>(access));
    if (Fails(hostenv::SecurityStep::OpenToken) || token == nullptr) {
        return FALSE;
    }
    const std::uintptr_t handle = State().nextToken++;
    State().openTokens.insert(handle);
    *token = reinterpret_cast<HANDLE>(handle);
    return TRUE;
}

BOOL LookupPrivilegeValueA(LPCSTR systemName, LPCSTR name, LUID* luid) {
    Log("LookupPrivilegeValueA(system=%s, name=%s)", systemName == nullptr ? "null" : systemName,
        name == nullptr ? "null" : name);
    if (Fails(hostenv::SecurityStep::LookupPrivilege) || name == nullptr || luid == nullptr ||
        std::strcmp(name, kShutdownPrivilegeName) != 0) {
        return FALSE;
    }
    *luid = hostenv::kShutdownPrivilegeLuid;
    return TRUE;
}

BOOL AdjustTokenPrivileges(HANDLE token,
                           BOOL disableAll,
                           TOKEN_PRIVILEGES* newState,
                           DWORD bufferLength,
                           TOKEN_PRIVILEGES* previousState,
                           DWORD* returnLength) {
    if (newState == nullptr) {
        Log("AdjustTokenPrivileges(disableAll=%d, newState=null)", disableAll);
        return FALSE;
    }
    const LUID_AND_ATTRIBUTES& entry = newState->Privileges[0];
    Log("AdjustTokenPrivileges(disableAll=%d, count=%u, luid=%u:%d, attributes=%u, bufferLength=%u, "
        "previousState=%s, returnLength=%s)",
        disableAll, static_cast<unsigned>(newState->PrivilegeCount), static_cast<unsigned>(entry.Luid.LowPart),
        static_cast<int>(entry.Luid.HighPart), static_cast<unsigned>(entry.Attributes),
        static_cast<unsigned>(bufferLength), previousState == nullptr ? "null" : "set",
        returnLength == nullptr ? "null" : "set");
    if (Fails(hostenv::SecurityStep::AdjustPrivileges) || !IsToken(token)) {
        return FALSE;
    }
    const bool isShutdown = entry.Luid.LowPart == hostenv::kShutdownPrivilegeLuid.LowPart &&
                            entry.Luid.HighPart == hostenv::kShutdownPrivilegeLuid.HighPart;
    if (newState->PrivilegeCount == 1 && isShutdown) {
        State().privilegeEnabled = (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return TRUE;
}

BOOL ExitWindowsEx(UINT flags, DWORD reason) {
    Log("ExitWindowsEx(flags=%u, reason=%u)", flags, static_cast<unsigned>(reason));
    return Fails(hostenv::SecurityStep::ExitWindows) ? FALSE : TRUE;
}

BOOL CloseHandle(HANDLE handle) {
    if (!IsToken(handle)) {
        return FALSE;
    }
    State().openTokens.erase(reinterpret_cast<std::uintptr_t>(handle));
    State().log.emplace_back("CloseHandle(token)");
    return TRUE;
}
