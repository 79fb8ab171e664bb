// The executor's platform calls: the token's privilege, ExitWindowsEx and the failure box.
#pragma once

#include "system/shutdown.h"

class WindowsShutdownCalls final : public ShutdownCalls {
  public:
    std::optional<PrivilegeStep> SetPrivilege(bool enable) override;
    bool RequestExit(std::int32_t mode) override;
    void ShowFailure(const wchar_t* message) override;
};
