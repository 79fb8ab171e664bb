#include "text/win/codepage.h"

#include <windows.h>

#include <climits>

namespace text {

std::string ToCodePage(std::wstring_view wide, unsigned codePage) {
    if (wide.empty() || wide.size() > INT_MAX / 4) {
        return {};
    }
    const int wideLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), wideLength, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::wstring FromCodePage(std::string_view bytes, unsigned codePage) {
    if (bytes.empty() || bytes.size() > INT_MAX) {
        return {};
    }
    const int byteLength = static_cast<int>(bytes.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, bytes.data(), byteLength, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), byteLength, wide.data(), wideLength);
    return wide;
}

std::string ToAnsi(std::wstring_view wide) {
    return ToCodePage(wide, CP_ACP);
}

std::wstring FromAnsi(std::string_view bytes) {
    return FromCodePage(bytes, CP_ACP);
}

}  // namespace text
