// What tests see and set of the host stand-in: the calls it records, the clock it moves, and the
// failures it can be told to produce.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace hostenv {

// The process: the path GetModuleFileNameW reports, in Windows form (e.g. L"D:\\Tools\\定时关机.exe"),
// and the host path for a Windows path the stand-in receives (backslashes become slashes).
void SetModulePath(const std::wstring& path);
std::string HostPath(const std::wstring& windowsPath);

// The clock only moves when a test moves it. AdvanceTime moves it (and GetTickCount) forward, firing
// every expiry on the way, in time order, through the callback given to SetTimer.
void SetTickCount(std::uint32_t milliseconds);
void SetLocalTime(int year, int month, int day, int hour, int minute, int second);
void AdvanceTime(std::uint32_t milliseconds);
std::size_t RunningTimerCount();
void SetTimerRefuses(bool refuse);  // SetTimer returns 0 while set
void ResetTimers();

// The token, the privilege and ExitWindowsEx: one line per call, in order, e.g.
// "OpenProcessToken(process=-1, access=0x20)" or "ExitWindowsEx(flags=8, reason=0)". One step can be
// made to fail until the next reset.
enum class SecurityStep { None, OpenToken, LookupPrivilege, AdjustPrivileges, ExitWindows };
const std::vector<std::string>& SecurityLog();
void FailSecurityStep(SecurityStep step);
void ResetSecurity();

// Message boxes are recorded, not shown, and answer IDOK.
struct ShownMessageBox {
    std::wstring text;  // converted back from the ANSI code page, as is the caption
    std::wstring caption;
    UINT type;
};
const std::vector<ShownMessageBox>& ShownMessageBoxes();
void ResetMessageBoxes();

// Windows are a handle and the window procedure installed for it.
HWND CreateFakeWindow(WNDPROC proc);
void DestroyFakeWindow(HWND window);
WNDPROC FakeWindowProc(HWND window);
LRESULT SendFakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The notification area: the icons it shows, and the tip of a window's icon ("" when none).
std::size_t ShownTrayIconCount();
std::string ShownTrayTip(HWND window);
void ResetShell();

// The registry starts empty. With writes denied, as for a user without administrator rights on
// HKEY_LOCAL_MACHINE, creating a key or opening one with a write right fails with ERROR_ACCESS_DENIED.
int OpenRegistryKeyCount();
void SetRegistryWritesDenied(bool denied);

}  // namespace hostenv
