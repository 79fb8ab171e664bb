#include "system/shutdown.h"

#include <memory>

#include "platform/codepage.h"
#include "platform/win32.h"

const wchar_t kTokenMessage[] =
    L"Das Handle f黵 den Accesstoken des aktuellen Prozesses konnte "
    L"nicht erlangt werden.";
const wchar_t kIdentifierMessage[] =
    L"Der aktuelle LUID f黵 das SE_SHUTDOWN-Privileg "
    L"konnte nicht ermittelt werden konnte.";
const wchar_t kAdjustmentMessage[] =
    L"Das Privileg zum Herunterfahren des Systems "
    L"konnte aus unbekanntem Grund nicht modifiziert werden.";
const wchar_t kEnablingMessage[] =
    L"Das Privileg zum Herunterfahren/Neustarten des Systems "
    L"konnte nicht aktiviert werden.";
const wchar_t kRefusalMessage[] = L"Das System kann aufgrund eines Fehlers nicht heruntergefahren werden.";

namespace {

constexpr wchar_t kApplicationTitle[] = L"岚舟定时关机";
constexpr char kShutdownPrivilegeName[] = "SeShutdownPrivilege";
constexpr std::int32_t kPrivilegedModes = EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

void ShowFailure(const wchar_t* message) {
    MessageBoxA(nullptr, text::ToAnsi(message).c_str(), text::ToAnsi(kApplicationTitle).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

// The window owns an instance and calls its operations, so these stay members though they need no state.
bool clsShutdown::ShutDownDOSbasedWindows(std::int32_t ShutDownMode) {  // NOLINT(*-convert-member-functions-to-static)
    if (ExitWindowsEx(static_cast<UINT>(ShutDownMode), 0) == 0) {
        ShowFailure(kRefusalMessage);
        return false;
    }
    return true;
}

bool clsShutdown::ShutDownNTbasedWindows(std::int32_t ShutDownMode) {
    const bool needsPrivilege = (ShutDownMode & kPrivilegedModes) != 0;
    if (needsPrivilege && !SetShutdownPrivilege(true)) {
        ShowFailure(kEnablingMessage);
        return false;
    }
    const bool accepted = ShutDownDOSbasedWindows(ShutDownMode);
    if (needsPrivilege) {
        SetShutdownPrivilege(false);
    }
    return accepted;
}

bool clsShutdown::SetShutdownPrivilege(bool enable) {  // NOLINT(*-convert-member-functions-to-static)
    HANDLE tokenHandle = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &tokenHandle) == 0) {
        ShowFailure(kTokenMessage);
        return false;
    }
    const std::unique_ptr<void, HandleCloser> token(tokenHandle);
    LUID luid{};
    if (LookupPrivilegeValueA(nullptr, kShutdownPrivilegeName, &luid) == 0) {
        ShowFailure(kIdentifierMessage);
        return false;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Luid = luid;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    if (AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) == 0) {
        ShowFailure(kAdjustmentMessage);
        return false;
    }
    return true;
}
