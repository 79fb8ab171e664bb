// Blanks as the program's texts take them: spaces and tabs.
#pragma once

#include <string_view>

namespace text {

inline constexpr std::wstring_view kBlanks = L" \t";

inline bool IsBlank(wchar_t c) {
    return kBlanks.find(c) != std::wstring_view::npos;
}

// `text` without any of `blanks` at either end.
inline std::wstring_view Trim(std::wstring_view text, std::wstring_view blanks = kBlanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

}  // namespace text
