// The subset of the Win32 API this program calls. On Windows it is the real API; on the Linux host the
// same names are declared here and implemented by the stand-in in platform/host/.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>  // needs windows.h first
#else
#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using CHAR = char;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using REGSAM = DWORD;

struct HWND__;
struct HKEY__;
struct HICON__;
struct HINSTANCE__;
using HANDLE = void*;
using HWND = HWND__*;
using HKEY = HKEY__*;
using HICON = HICON__*;
using HMODULE = HINSTANCE__*;

using WNDPROC = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void(CALLBACK*)(HWND, UINT, UINT_PTR, DWORD);

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr UINT CP_ACP = 0;
constexpr UINT CP_UTF8 = 65001;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

struct LUID {
    DWORD LowPart;
    LONG HighPart;
};
struct LUID_AND_ATTRIBUTES {
    LUID Luid;
    DWORD Attributes;
};
struct TOKEN_PRIVILEGES {
    DWORD PrivilegeCount;
    LUID_AND_ATTRIBUTES Privileges[1];
};

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    void* lpSecurityDescriptor;
    BOOL bInheritHandle;
};

// The first form of the record, laid out as in the Windows headers.
struct NOTIFYICONDATAA {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[64];
};
#define NOTIFYICONDATAA_V1_SIZE (offsetof(NOTIFYICONDATAA, szTip) + 64)

#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<UINT_PTR>(static_cast<LONG>(0x80000002))))

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_MORE_DATA = 234;

constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr REGSAM KEY_READ = 0x20019;

constexpr DWORD TOKEN_ADJUST_PRIVILEGES = 0x0020;
constexpr DWORD SE_PRIVILEGE_ENABLED = 0x0002;
constexpr UINT EWX_SHUTDOWN = 1;
constexpr UINT EWX_REBOOT = 2;
constexpr UINT EWX_POWEROFF = 8;

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr int IDOK = 1;

constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_USER = 0x0400;
constexpr int GWLP_WNDPROC = -4;

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 1;
constexpr UINT NIF_ICON = 2;
constexpr UINT NIF_TIP = 4;

// kernel32
DWORD GetPrivateProfileStringA(const char* appName,
                               const char* keyName,
                               const char* defaultValue,
                               char* returned,
                               DWORD size,
                               const char* fileName);
BOOL WritePrivateProfileStringA(const char* appName, const char* keyName, const char* value, const char* fileName);
DWORD GetTickCount();
void GetLocalTime(SYSTEMTIME* time);
HANDLE GetCurrentProcess();
BOOL CloseHandle(HANDLE handle);
DWORD GetModuleFileNameW(HMODULE module, wchar_t* fileName, DWORD size);
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length, wchar_t* wide, int wideLength);
int WideCharToMultiByte(UINT codePage,
                        DWORD flags,
                        const wchar_t* wide,
                        int wideLength,
                        char* text,
                        int length,
                        const char* defaultChar,
                        BOOL* usedDefaultChar);

// user32
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND window, UINT_PTR id);
BOOL ExitWindowsEx(UINT flags, DWORD reason);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

// advapi32
BOOL OpenProcessToken(HANDLE process, DWORD access, HANDLE* token);
BOOL LookupPrivilegeValueA(const char* systemName, const char* name, LUID* luid);
BOOL AdjustTokenPrivileges(HANDLE token,
                           BOOL disableAll,
                           TOKEN_PRIVILEGES* newState,
                           DWORD bufferLength,
                           TOKEN_PRIVILEGES* previousState,
                           DWORD* returnLength);
LONG RegCreateKeyExA(HKEY root,
                     const char* subKey,
                     DWORD reserved,
                     char* className,
                     DWORD options,
                     REGSAM access,
                     const SECURITY_ATTRIBUTES* security,
                     HKEY* result,
                     DWORD* disposition);
LONG RegSetValueExA(HKEY handle, const char* valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
LONG RegOpenKeyExA(HKEY root, const char* subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegQueryValueExA(HKEY handle, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
LONG RegDeleteValueA(HKEY handle, const char* valueName);
LONG RegCloseKey(HKEY handle);

// shell32
BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data);
#endif
