// Asks the operating system to power off or restart, with the shutdown privilege enabled around the request,
// and reports each failure in a German message box.
#pragma once

#include <cstdint>
#include <optional>

// The privilege steps, each a platform call that can fail.
enum class PrivilegeStep { OpenToken, LookupPrivilege, AdjustPrivileges };

// What the executor asks of the platform.
class ShutdownCalls {
  public:
    virtual ~ShutdownCalls() = default;
    // Enables or disables SeShutdownPrivilege of this process; the step that failed, if one did.
    virtual std::optional<PrivilegeStep> SetPrivilege(bool enable) = 0;
    // ExitWindowsEx with the mode; true when the system accepted the request.
    virtual bool RequestExit(std::int32_t mode) = 0;
    // A modal box with the text, an OK button, the exclamation icon and the application title.
    virtual void ShowFailure(const wchar_t* message) = 0;
};

class clsShutdown {
  public:
    explicit clsShutdown(ShutdownCalls& platform) : calls(platform) {}

    bool ShutDownDOSbasedWindows(std::int32_t ShutDownMode);
    bool ShutDownNTbasedWindows(std::int32_t ShutDownMode);

  private:
    bool SetShutdownPrivilege(bool enable);

    ShutdownCalls& calls;
};
