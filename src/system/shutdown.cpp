#include "system/shutdown.h"

namespace {

// The messages as the users of the old program know them, the character 黵 included.
constexpr const wchar_t* kStepMessages[] = {
    L"Das Handle f黵 den Accesstoken des aktuellen Prozesses konnte "
    L"nicht erlangt werden.",
    L"Der aktuelle LUID f黵 das SE_SHUTDOWN-Privileg "
    L"konnte nicht ermittelt werden konnte.",
    L"Das Privileg zum Herunterfahren des Systems "
    L"konnte aus unbekanntem Grund nicht modifiziert werden.",
};
constexpr wchar_t kEnablingMessage[] =
    L"Das Privileg zum Herunterfahren/Neustarten des Systems "
    L"konnte nicht aktiviert werden.";
constexpr wchar_t kRefusalMessage[] = L"Das System kann aufgrund eines Fehlers nicht heruntergefahren werden.";

// EWX_SHUTDOWN, EWX_REBOOT and EWX_POWEROFF need the privilege.
constexpr std::int32_t kPrivilegedModes = 1 | 2 | 8;

}  // namespace

bool clsShutdown::ShutDownDOSbasedWindows(std::int32_t ShutDownMode) {
    if (!calls.RequestExit(ShutDownMode)) {
        calls.ShowFailure(kRefusalMessage);
        return false;
    }
    return true;
}

bool clsShutdown::ShutDownNTbasedWindows(std::int32_t ShutDownMode) {
    const bool needsPrivilege = (ShutDownMode & kPrivilegedModes) != 0;
    if (needsPrivilege && !SetShutdownPrivilege(true)) {
        calls.ShowFailure(kEnablingMessage);
        return false;
    }
    const bool accepted = ShutDownDOSbasedWindows(ShutDownMode);
    if (needsPrivilege) {
        SetShutdownPrivilege(false);
    }
    return accepted;
}

bool clsShutdown::SetShutdownPrivilege(bool enable) {
    const std::optional<PrivilegeStep> failed = calls.SetPrivilege(enable);
    if (failed) {
        calls.ShowFailure(kStepMessages[static_cast<int>(*failed)]);
    }
    return !failed;
}
