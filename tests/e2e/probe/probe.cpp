// Reads and drives the windows of another program in the same Wine prefix, for the end-to-end scripts.
// Windows are found by a substring of their title ("=TITLE" for the whole title); controls by their id.
// Output is UTF-8, one item per line. Exit status 0 on success, 1 when the window or control is missing.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr UINT kTimeoutMs = 10000;
constexpr int kSendTries = 3;

void Print(const std::wstring& text) {
    const std::wstring line = text + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring TitleOf(HWND window) {
    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

struct Search {
    std::wstring pattern;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    const std::wstring title = TitleOf(window);
    const bool exact = !search->pattern.empty() && search->pattern[0] == L'=';
    const bool matches = exact ? title == search->pattern.substr(1)
                               : !title.empty() && title.find(search->pattern) != std::wstring::npos;
    if (matches) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> FindAll(const std::wstring& pattern) {
    Search search{pattern, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindOne(const std::wstring& pattern) {
    const std::vector<HWND> all = FindAll(pattern);
    return all.empty() ? nullptr : all.front();
}

long long Number(const std::wstring& text) {
    return std::wcstoll(text.c_str(), nullptr, 0);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A loaded machine can keep the program from answering for seconds: wait, and ask again.
    DWORD_PTR result = 0;
    for (int attempt = 0; attempt < kSendTries; ++attempt) {
        if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &result) != 0) {
            break;
        }
    }
    return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND window) {
    const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto got = static_cast<std::size_t>(
        Send(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data())));
    text.resize(got);
    return text;
}

// Item texts of a list box or of a combo box's list.
int PrintItems(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    const auto count = static_cast<int>(Send(control, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = static_cast<std::size_t>(Send(control, lengthMessage, static_cast<WPARAM>(i), 0));
        std::wstring item(length + 1, L'\0');
        const auto got = static_cast<std::size_t>(
            Send(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data())));
        item.resize(got <= length ? got : length);
        Print(item);
    }
    return 0;
}

// Starts a program with exactly this command line (the shell cannot pass, say, two blanks before "/s"). With an
// application name as well, Wine passes the line unchanged, as Windows does with an unquoted Run value at logon;
// without one, Wine quotes a program path it had to search for.
int Launch(const std::wstring& commandLine, const std::wstring* appName) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(appName != nullptr ? appName->c_str() : nullptr, line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        return 1;
    }
    Print(std::to_wstring(process.dwProcessId));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

// The dropped list of a combo box, a top-level window of its own: where its items start on the screen, its
// width, the height of an item and the first item shown (records such as LB_GETITEMRECT do not cross processes).
int PrintDropList() {
    HWND list = nullptr;
    do {
        list = FindWindowExW(nullptr, list, L"ComboLBox", nullptr);
    } while (list != nullptr && !IsWindowVisible(list));
    if (list == nullptr) {
        return 1;
    }
    RECT client{};
    GetClientRect(list, &client);
    POINT origin{0, 0};
    ClientToScreen(list, &origin);
    Print(std::to_wstring(origin.x) + L" " + std::to_wstring(origin.y) + L" " + std::to_wstring(client.right) + L" " +
          std::to_wstring(Send(list, LB_GETITEMHEIGHT, 0, 0)) + L" " +
          std::to_wstring(Send(list, LB_GETTOPINDEX, 0, 0)));
    return 0;
}

// Returns once the process has ended, its windows and handles (the single-instance mutex) gone with it.
int Terminate(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) {
        return 1;
    }
    const bool done = TerminateProcess(process, 0) && WaitForSingleObject(process, 3 * kTimeoutMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return done ? 0 : 1;
}

int Usage() {
    Print(
        L"usage: probe droplist | count T | exists T | title T | pid T | state T | visible T [ID] |\n"
        L"  focus T | text T ID | list T ID | combo T ID | check T ID | enabled T ID | rect T [ID] |\n"
        L"  send T MSG WPARAM LPARAM | click T ID | settext T ID TEXT | close T |\n"
        L"  terminate T | launch COMMANDLINE [APPNAME]");
    return 2;
}

int Run(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return Usage();
    }
    const std::wstring& command = args[0];
    if (command == L"droplist") {
        return PrintDropList();
    }
    if (args.size() < 2) {
        return Usage();
    }
    if (command == L"launch") {
        return Launch(args[1], args.size() >= 3 ? &args[2] : nullptr);
    }
    if (command == L"count") {
        Print(std::to_wstring(FindAll(args[1]).size()));
        return 0;
    }
    HWND window = FindOne(args[1]);
    if (window == nullptr) {
        return 1;
    }
    HWND target = window;
    if (args.size() >= 3 && command != L"send") {
        target = GetDlgItem(window, static_cast<int>(Number(args[2])));
        if (target == nullptr && Number(args[2]) != 0) {
            return 1;
        }
        if (target == nullptr) {
            target = window;
        }
    }
    if (command == L"exists") {
        return 0;
    }
    if (command == L"title") {
        Print(TitleOf(window));
    } else if (command == L"pid") {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        Print(std::to_wstring(pid));
    } else if (command == L"state") {
        Print(IsIconic(window) ? L"1" : IsZoomed(window) ? L"2" : L"0");
    } else if (command == L"visible") {
        Print(IsWindowVisible(target) ? L"1" : L"0");
    } else if (command == L"focus") {
        // The id of the control with the keyboard focus in the window's thread.
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || info.hwndFocus == nullptr) {
            return 1;
        }
        Print(std::to_wstring(GetDlgCtrlID(info.hwndFocus)));
    } else if (command == L"enabled") {
        Print(IsWindowEnabled(target) ? L"1" : L"0");
    } else if (command == L"text") {
        Print(TextOf(target));
    } else if (command == L"list") {
        return PrintItems(target, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
    } else if (command == L"combo") {
        return PrintItems(target, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    } else if (command == L"check") {
        Print(std::to_wstring(Send(target, BM_GETCHECK, 0, 0)));
    } else if (command == L"rect") {
        RECT rect{};
        GetWindowRect(target, &rect);
        Print(std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
              std::to_wstring(rect.right - rect.left) + L" " + std::to_wstring(rect.bottom - rect.top));
    } else if (command == L"send" && args.size() == 5) {
        // Sent, not posted: the message has been handled when the probe ends.
        Print(std::to_wstring(Send(window, static_cast<UINT>(Number(args[2])), static_cast<WPARAM>(Number(args[3])),
                                   static_cast<LPARAM>(Number(args[4])))));
    } else if (command == L"click") {
        // Posted, so a modal box the click opens does not hold the probe.
        return PostMessageW(target, BM_CLICK, 0, 0) ? 0 : 1;
    } else if (command == L"settext" && args.size() == 4) {
        Send(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[3].c_str()));
    } else if (command == L"terminate") {
        return Terminate(window);
    } else if (command == L"close") {
        return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    } else {
        return Usage();
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args(argv + 1, argv + argc);
    return Run(args);
}
