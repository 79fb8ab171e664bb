// Conversion between the program's wide strings and the byte strings of a named code page, at the Windows
// calls that take bytes.
#pragma once

#include <string>
#include <string_view>

namespace text {

constexpr unsigned kGbkCodePage = 936;

std::string ToCodePage(std::wstring_view wide, unsigned codePage);
std::wstring FromCodePage(std::string_view bytes, unsigned codePage);

// The system's ANSI code page (936 on the machines this program is made for).
std::string ToAnsi(std::wstring_view wide);
std::wstring FromAnsi(std::string_view bytes);

}  // namespace text
