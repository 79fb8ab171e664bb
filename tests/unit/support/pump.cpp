#include "support/pump.h"

#include "platform/win32.h"

#ifndef _WIN32
#include "platform/host/timers_control.h"
#endif

namespace testsupport {

namespace {

#ifdef _WIN32
// Handles one waiting message, or waits at most `left` milliseconds for one.
void Step(DWORD left) {
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    } else {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left, QS_ALLINPUT);
    }
}
#else
// Moves the stand-in's clock to the next expiry, or by `left` when that comes later or never.
void Step(DWORD left) {
    const std::uint32_t next = hostenv::NextTimerDue();
    hostenv::AdvanceTime(next == 0 || next > left ? left : next);
}
#endif

}  // namespace

bool PumpUntil(const std::function<bool()>& done, std::uint32_t deadlineMs) {
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; !done(); elapsed = GetTickCount() - start) {
        if (elapsed >= deadlineMs) {
            return false;
        }
        Step(deadlineMs - elapsed);
    }
    return true;
}

}  // namespace testsupport
