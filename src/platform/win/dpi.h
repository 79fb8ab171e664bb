// The DPI a window is shown at, and sizes for it, shared by the main window and the settings dialogs.
#pragma once

#include "platform/win32.h"

// The window's DPI; the system DPI where per-monitor DPI is not available (before Windows 10), or for null.
int DpiOf(HWND window);
// The outer rectangle of a window of this style whose client area has this size at this DPI.
RECT WindowRectForClient(int width, int height, DWORD style, DWORD exStyle, int dpi);
