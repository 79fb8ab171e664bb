// Test controls of the host stand-in for Shell_NotifyIconA: the calls are recorded, and the icons the
// shell would show are tracked by window and identifier.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/win32.h"

namespace hostenv {

struct NotifyIconCall {
    DWORD message;
    NOTIFYICONDATAA data;  // the first cbSize bytes of what was passed; the rest zero
};

const std::vector<NotifyIconCall>& NotifyIconCalls();
std::size_t ShownTrayIconCount();
// While set, every call fails, as when the notification area is not there.
void SetShellRefuses(bool refuse);
void ResetShell();

}  // namespace hostenv
