// Asks the operating system to power off or restart, with the shutdown privilege enabled around it.
#pragma once

#include <cstdint>

class clsShutdown {
  public:
    bool ShutDownDOSbasedWindows(std::int32_t ShutDownMode);
    bool ShutDownNTbasedWindows(std::int32_t ShutDownMode);

  private:
    bool SetShutdownPrivilege(bool enable);
};

// The five reports, exactly as shown to the user.
extern const wchar_t kTokenMessage[];
extern const wchar_t kIdentifierMessage[];
extern const wchar_t kAdjustmentMessage[];
extern const wchar_t kEnablingMessage[];
extern const wchar_t kRefusalMessage[];
