// Test controls of the host stand-in for windows: just a handle and its current window procedure, enough
// to replace the procedure and to send messages through whatever procedure is installed.
#pragma once

#include "platform/win32.h"

namespace hostenv {

HWND CreateFakeWindow(WNDPROC proc);
void DestroyFakeWindow(HWND window);
// The procedure currently installed, or null for an unknown window.
WNDPROC FakeWindowProc(HWND window);
// Calls the installed procedure, as SendMessage would; 0 for an unknown window.
LRESULT SendFakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void ResetWindows();

}  // namespace hostenv
