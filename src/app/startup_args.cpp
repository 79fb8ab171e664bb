#include "app/startup_args.h"

#include <algorithm>

#include "text/blanks.h"

namespace {

using text::IsBlank;

// Latin letters only: the case differences that occur are in drive letters, folder names and the
// extension, and a mismatch elsewhere still leaves the first-word rule.
wchar_t FoldCase(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool StartsWithProgramPath(std::wstring_view commandLine, std::wstring_view programPath) {
    const std::size_t n = programPath.size();
    return commandLine.size() >= n && (commandLine.size() == n || IsBlank(commandLine[n])) &&
           std::equal(programPath.begin(), programPath.end(), commandLine.begin(),
                      [](wchar_t a, wchar_t b) { return FoldCase(a) == FoldCase(b); });
}

std::size_t FirstWordEnd(std::wstring_view commandLine) {
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        return closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    }
    std::size_t end = 0;
    while (end < commandLine.size() && !IsBlank(commandLine[end])) {
        ++end;
    }
    return end;
}

}  // namespace

std::wstring ArgumentString(std::wstring_view commandLine, std::wstring_view programPath) {
    std::wstring_view rest = commandLine.substr(
        StartsWithProgramPath(commandLine, programPath) ? programPath.size() : FirstWordEnd(commandLine));
    if (!rest.empty() && IsBlank(rest.front())) {
        rest.remove_prefix(1);
    }
    return std::wstring(rest);
}

bool StartsHidden(std::wstring_view argumentString) {
    return argumentString == L"/s";
}
