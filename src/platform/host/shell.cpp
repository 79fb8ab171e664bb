// Host stand-in for the notification area: records each Shell_NotifyIconA call and keeps the set of icons.
#include <cstring>
#include <set>
#include <utility>

#include "platform/host/shell_control.h"

namespace {

struct ShellState {
    std::vector<hostenv::NotifyIconCall> calls;
    std::set<std::pair<HWND, UINT>> icons;
    bool refuse = false;
};

ShellState& State() {
    static ShellState state;
    return state;
}

}  // namespace

namespace hostenv {

const std::vector<NotifyIconCall>& NotifyIconCalls() {
    return State().calls;
}

std::size_t ShownTrayIconCount() {
    return State().icons.size();
}

void SetShellRefuses(bool refuse) {
    State().refuse = refuse;
}

void ResetShell() {
    State() = ShellState{};
}

}  // namespace hostenv

BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data) {
    if (data == nullptr) {
        return FALSE;
    }
    hostenv::NotifyIconCall call{message, {}};
    const std::size_t size = data->cbSize < sizeof(NOTIFYICONDATAA) ? data->cbSize : sizeof(NOTIFYICONDATAA);
    std::memcpy(&call.data, data, size);
    State().calls.push_back(call);
    if (State().refuse || data->cbSize < NOTIFYICONDATAA_V1_SIZE) {
        return FALSE;
    }
    const std::pair<HWND, UINT> icon{data->hWnd, data->uID};
    switch (message) {
        case NIM_ADD:
            return State().icons.insert(icon).second ? TRUE : FALSE;
        case NIM_MODIFY:
            return State().icons.count(icon) != 0 ? TRUE : FALSE;
        case NIM_DELETE:
            return State().icons.erase(icon) == 1 ? TRUE : FALSE;
        default:
            return FALSE;
    }
}
