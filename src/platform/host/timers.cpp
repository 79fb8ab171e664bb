// Host stand-in for SetTimer/KillTimer without a window: a list of periodic timers that AdvanceTime fires.
#include <map>

#include "platform/host/process_control.h"
#include "platform/host/timers_control.h"

namespace {

// Ids as Windows hands them out for timers without a window: large, counting up.
constexpr UINT_PTR kFirstTimerId = 0x7FF0;

struct HostTimer {
    UINT elapse;
    TIMERPROC proc;
    std::uint64_t due;
};

struct TimerState {
    std::map<UINT_PTR, HostTimer> timers;
    UINT_PTR nextId = kFirstTimerId;
    std::uint64_t now = 0;  // the stand-in's clock; GetTickCount follows it
    bool refuse = false;
};

TimerState& State() {
    static TimerState state;
    return state;
}

// The timer due first (lowest id on a tie), or end() when none is due by `limit`.
std::map<UINT_PTR, HostTimer>::iterator NextDue(std::uint64_t limit) {
    auto& timers = State().timers;
    auto best = timers.end();
    for (auto it = timers.begin(); it != timers.end(); ++it) {
        if (it->second.due <= limit && (best == timers.end() || it->second.due < best->second.due)) {
            best = it;
        }
    }
    return best;
}

void MoveClockTo(std::uint64_t moment) {
    const std::uint64_t step = moment - State().now;
    State().now = moment;
    hostenv::SetTickCount(static_cast<std::uint32_t>(GetTickCount() + step));
}

}  // namespace

namespace hostenv {

void AdvanceTime(std::uint32_t milliseconds) {
    const std::uint64_t end = State().now + milliseconds;
    for (auto it = NextDue(end); it != State().timers.end(); it = NextDue(end)) {
        MoveClockTo(it->second.due);
        const UINT_PTR id = it->first;
        const TIMERPROC proc = it->second.proc;
        it->second.due += it->second.elapse;
        // The callback may kill or add timers, so the iterator is not used after it.
        proc(nullptr, WM_TIMER, id, GetTickCount());
    }
    MoveClockTo(end);
}

std::uint32_t NextTimerDue() {
    const auto it = NextDue(UINT64_MAX);
    return it == State().timers.end() ? 0 : static_cast<std::uint32_t>(it->second.due - State().now);
}

std::size_t RunningTimerCount() {
    return State().timers.size();
}

void SetTimerRefuses(bool refuse) {
    State().refuse = refuse;
}

void ResetTimers() {
    State().timers.clear();
    State().nextId = kFirstTimerId;
    State().refuse = false;
}

}  // namespace hostenv

// Only the window-less form is modelled: the program never passes a window.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (State().refuse || window != nullptr || id != 0 || proc == nullptr) {
        return 0;
    }
    // Windows raises periods below 10 ms to 10 ms.
    const UINT period = elapse < 10 ? 10 : elapse;
    const UINT_PTR newId = State().nextId++;
    State().timers[newId] = HostTimer{period, proc, State().now + period};
    return newId;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    if (window != nullptr) {
        return FALSE;
    }
    return State().timers.erase(id) == 1 ? TRUE : FALSE;
}
