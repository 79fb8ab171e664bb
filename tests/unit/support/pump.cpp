#include "support/pump.h"

#include "platform/win32.h"

#ifndef _WIN32
#include "platform/host/timers_control.h"
#endif

namespace testsupport {

#ifdef _WIN32

bool PumpUntil(const std::function<bool()>& done, std::uint32_t deadlineMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (done()) {
                return true;
            }
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= deadlineMs) {
            return done();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, deadlineMs - elapsed, QS_ALLINPUT);
    }
    return true;
}

#else

bool PumpUntil(const std::function<bool()>& done, std::uint32_t deadlineMs) {
    std::uint32_t elapsed = 0;
    while (!done()) {
        if (elapsed >= deadlineMs) {
            return false;
        }
        const std::uint32_t left = deadlineMs - elapsed;
        const std::uint32_t next = hostenv::NextTimerDue();
        const std::uint32_t step = next == 0 || next > left ? left : next;
        hostenv::AdvanceTime(step);
        elapsed += step;
    }
    return true;
}

#endif

}  // namespace testsupport
