// Host stand-in for the clock and for window-less timers: time only moves when a test moves it.
#include <map>

#include "platform/host/control.h"

namespace {

// Ids as Windows hands them out for timers without a window: large, counting up.
constexpr UINT_PTR kFirstTimerId = 0x7FF0;

struct HostTimer {
    UINT period;
    TIMERPROC proc;
    std::uint64_t due;
};

struct ClockState {
    std::uint64_t now = 0;  // milliseconds; GetTickCount is its low 32 bits plus the offset a test set
    std::uint32_t tickOffset = 0;
    SYSTEMTIME localTime{2026, 12, 5, 4, 23, 5, 7, 0};
    std::map<UINT_PTR, HostTimer> timers;
    UINT_PTR nextId = kFirstTimerId;
    bool refuse = false;
};

ClockState& State() {
    static ClockState state;
    return state;
}

// The timer due first (the lowest id on a tie), or end() when none is due by `limit`.
std::map<UINT_PTR, HostTimer>::iterator NextDue(std::uint64_t limit) {
    auto& timers = State().timers;
    auto next = timers.end();
    for (auto it = timers.begin(); it != timers.end(); ++it) {
        if (it->second.due <= limit && (next == timers.end() || it->second.due < next->second.due)) {
            next = it;
        }
    }
    return next;
}

}  // namespace

namespace hostenv {

void SetTickCount(std::uint32_t milliseconds) {
    State().tickOffset = milliseconds - static_cast<std::uint32_t>(State().now);
}

void SetLocalTime(int year, int month, int day, int hour, int minute, int second) {
    State().localTime = SYSTEMTIME{
        static_cast<WORD>(year),   static_cast<WORD>(month),  0, static_cast<WORD>(day), static_cast<WORD>(hour),
        static_cast<WORD>(minute), static_cast<WORD>(second), 0};
}

void AdvanceTime(std::uint32_t milliseconds) {
    const std::uint64_t end = State().now + milliseconds;
    for (auto it = NextDue(end); it != State().timers.end(); it = NextDue(end)) {
        State().now = it->second.due;
        it->second.due += it->second.period;
        // The callback may kill or add timers, so the iterator is not used after it.
        it->second.proc(nullptr, WM_TIMER, it->first, GetTickCount());
    }
    State().now = end;
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

DWORD GetTickCount() {
    return static_cast<std::uint32_t>(State().now) + State().tickOffset;
}

void GetLocalTime(SYSTEMTIME* time) {
    *time = State().localTime;
}

// Only the window-less form is modelled: the program never passes a window.
UINT_PTR SetTimer(HWND, UINT_PTR, UINT elapse, TIMERPROC proc) {
    if (State().refuse) {
        return 0;
    }
    // Windows raises periods below 10 ms to 10 ms.
    const UINT period = elapse < 10 ? 10 : elapse;
    State().timers[State().nextId] = HostTimer{period, proc, State().now + period};
    return State().nextId++;
}

BOOL KillTimer(HWND, UINT_PTR id) {
    return State().timers.erase(id) == 1 ? TRUE : FALSE;
}
