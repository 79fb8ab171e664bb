#include "system/win/shutdown_calls.h"

#include "system/product_names.h"
#include "system/win/unique_handle.h"
#include "text/win/codepage.h"

std::optional<PrivilegeStep> WindowsShutdownCalls::SetPrivilege(bool enable) {
    HANDLE tokenHandle = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &tokenHandle) == 0) {
        return PrivilegeStep::OpenToken;
    }
    const UniqueKernelHandle token(tokenHandle);
    TOKEN_PRIVILEGES privileges{};
    if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) == 0) {
        return PrivilegeStep::LookupPrivilege;
    }
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    if (AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) == 0) {
        return PrivilegeStep::AdjustPrivileges;
    }
    return std::nullopt;
}

bool WindowsShutdownCalls::RequestExit(std::int32_t mode) {
    return ExitWindowsEx(static_cast<UINT>(mode), 0) != 0;
}

void WindowsShutdownCalls::ShowFailure(const wchar_t* message) {
    MessageBoxA(nullptr, text::ToAnsi(message).c_str(), text::ToAnsi(kApplicationTitle).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}
