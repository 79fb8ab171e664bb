// Host stand-in for window procedures over fake windows that tests create.
#include <map>

#include "platform/host/windows_control.h"

namespace {

struct WindowState {
    std::map<HWND, WNDPROC> windows;
    std::uintptr_t nextHandle = 0x10010;
};

WindowState& State() {
    static WindowState state;
    return state;
}

}  // namespace

namespace hostenv {

HWND CreateFakeWindow(WNDPROC proc) {
    const auto window = reinterpret_cast<HWND>(State().nextHandle);
    State().nextHandle += 0x10;
    State().windows[window] = proc;
    return window;
}

void DestroyFakeWindow(HWND window) {
    State().windows.erase(window);
}

WNDPROC FakeWindowProc(HWND window) {
    const auto it = State().windows.find(window);
    return it == State().windows.end() ? nullptr : it->second;
}

LRESULT SendFakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC proc = FakeWindowProc(window);
    return proc == nullptr ? 0 : proc(window, message, wParam, lParam);
}

void ResetWindows() {
    State() = WindowState{};
}

}  // namespace hostenv

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    const auto it = State().windows.find(window);
    if (it == State().windows.end() || index != GWLP_WNDPROC || value == 0) {
        return 0;
    }
    const WNDPROC previous = it->second;
    it->second = reinterpret_cast<WNDPROC>(value);
    return reinterpret_cast<LONG_PTR>(previous);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc == nullptr ? 0 : proc(window, message, wParam, lParam);
}
