#include "app/startup_args.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

}  // namespace

std::wstring ArgumentString(std::wstring_view commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        end = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (end < commandLine.size() && !IsBlank(commandLine[end])) {
            ++end;
        }
    }
    if (end < commandLine.size() && IsBlank(commandLine[end])) {
        ++end;
    }
    return std::wstring(commandLine.substr(end));
}

bool StartsHidden(std::wstring_view argumentString) {
    return argumentString == L"/s";
}
