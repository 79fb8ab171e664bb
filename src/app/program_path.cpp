#include "app/program_path.h"

std::wstring FolderOf(std::wstring_view programPath) {
    const std::size_t slash = programPath.find_last_of(L"\\/");
    // A drive root keeps its separator, three characters in all.
    return std::wstring(programPath.substr(0, slash == 2 ? 3 : slash));
}

// Without a separator, npos + 1 is 0 and the whole path is the name.
std::wstring BaseNameOf(std::wstring_view programPath) {
    const std::wstring_view name = programPath.substr(programPath.find_last_of(L"\\/") + 1);
    return std::wstring(name.substr(0, name.find_last_of(L'.')));
}
