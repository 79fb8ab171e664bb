// Reads and drives the windows of another program in the same Wine prefix, for the end-to-end scripts:
//   count T | focus T | terminate T | style T [ID] | rect T [ID] | text T [ID] | list T ID |
//   send T ID MSG [WPARAM LPARAM] | post T ID MSG | launch COMMANDLINE [APPNAME]
// T is a substring of a window's title ("=TITLE" for the whole title); ID a control's id, 0 the window unless a
// control has it (a tray icon does). A message parameter that is not a number is passed as a pointer to its text.
// Output is UTF-8, one item per line. Exit status 0 on success, 1 when the window or control is missing, 2 on
// any other failure.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// A loaded machine can keep the program from answering for seconds.
constexpr UINT kTimeoutMs = 30000;

void Print(const std::wstring& text) {
    std::string bytes(text.size() * 3 + 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    std::puts(bytes.c_str());
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

// A window's text, or given an index, an item of a list box.
std::wstring TextOf(HWND window, int item = -1) {
    const auto index = static_cast<WPARAM>(item);
    std::wstring text(static_cast<std::size_t>(Send(window, item < 0 ? WM_GETTEXTLENGTH : LB_GETTEXTLEN, index, 0)) + 1,
                      L'\0');
    Send(window, item < 0 ? WM_GETTEXT : LB_GETTEXT, item < 0 ? text.size() : index,
         reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

// Starts a program with exactly this command line (the shell cannot pass, say, two blanks before "/s"). With an
// application name as well, Wine passes the line unchanged, as Windows does with an unquoted Run value at logon;
// without one, Wine quotes a program path it had to search for.
int Launch(std::wstring commandLine, const std::wstring& application) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    return CreateProcessW(application.empty() ? nullptr : application.c_str(), commandLine.data(), nullptr, nullptr,
                          FALSE, 0, nullptr, nullptr, &startup, &process) != FALSE
               ? 0
               : 2;
}

// Returns once the process has ended, its windows and handles (the single-instance mutex) gone with it.
int Terminate(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    const bool ended = process != nullptr && TerminateProcess(process, 0) != FALSE &&
                       WaitForSingleObject(process, kTimeoutMs) == WAIT_OBJECT_0;
    return ended ? 0 : 2;
}

int Run(std::vector<std::wstring> args) {
    args.resize(args.size() + 6);
    const auto number = [&](std::size_t i) {
        wchar_t* end = nullptr;
        const long long n = std::wcstoll(args[i].c_str(), &end, 0);
        return *end != L'\0' ? reinterpret_cast<long long>(args[i].c_str()) : n;
    };
    const std::wstring command = args[0];
    if (command == L"launch") {
        return Launch(args[1], args[2]);
    }
    std::vector<HWND> all;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr)) != nullptr;) {
        std::wstring title(256, L'\0');
        title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
        if (args[1][0] == L'=' ? title == args[1].substr(1) : title.find(args[1]) != std::wstring::npos) {
            all.push_back(window);
        }
    }
    HWND window = all.empty() ? nullptr : all.front();
    HWND target = GetDlgItem(window, static_cast<int>(number(2)));
    target = target == nullptr && number(2) == 0 ? window : target;
    RECT rect{};
    if (command == L"count") {
        Print(std::to_wstring(all.size()));
    } else if (target == nullptr) {
        return 1;
    } else if (command == L"focus") {
        // The control with the keyboard focus; 0 when there is none.
        GUITHREADINFO gui{};
        gui.cbSize = sizeof(gui);
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui);
        Print(std::to_wstring(GetDlgCtrlID(gui.hwndFocus)));
    } else if (command == L"terminate") {
        return Terminate(window);
    } else if (command == L"style") {
        Print(std::to_wstring(static_cast<DWORD>(GetWindowLongW(target, GWL_STYLE))));
    } else if (command == L"rect" && GetWindowRect(target, &rect) != FALSE) {
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    } else if (command == L"text") {
        Print(TextOf(target));
    } else if (command == L"list") {
        for (int i = 0, count = static_cast<int>(Send(target, LB_GETCOUNT, 0, 0)); i < count; ++i) {
            Print(TextOf(target, i));
        }
    } else if (command == L"send") {
        // Sent: the message has been handled when the probe ends.
        Print(std::to_wstring(Send(target, static_cast<UINT>(number(3)), static_cast<WPARAM>(number(4)),
                                   static_cast<LPARAM>(number(5)))));
    } else if (command != L"post" || PostMessageW(target, static_cast<UINT>(number(3)), 0, 0) == FALSE) {
        // Posted, so a modal box it opens (a click, a close) does not hold the probe; any other command fails.
        return 2;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    return Run(std::vector<std::wstring>(argv + 1, argv + argc));
}
