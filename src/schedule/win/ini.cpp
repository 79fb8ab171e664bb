#include "schedule/win/ini.h"

#include <windows.h>

#include <array>

#include "text/gbk_bytes.h"
#include "text/win/codepage.h"

namespace ini {
namespace {

constexpr DWORD kBufferSize = 255;

std::string Gbk(const std::wstring& text) {
    return text::ToCodePage(text, text::kGbkCodePage);
}

}  // namespace

std::wstring readIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    // Zeroed, so that a byte the platform counts but leaves unwritten reads as the end of the value.
    std::array<char, kBufferSize> buffer{};
    GetPrivateProfileStringA(Gbk(section).c_str(), Gbk(key).c_str(), "", buffer.data(), kBufferSize,
                             text::ToAnsi(file).c_str());
    const std::string_view value(buffer.data());
    return text::FromCodePage(value.substr(0, text::WithoutLoneLeadByte(value)), text::kGbkCodePage);
}

std::int16_t writeIniValue(const std::wstring& file,
                           const std::wstring& section,
                           const std::wstring& key,
                           const std::wstring& value) {
    const BOOL written = WritePrivateProfileStringA(Gbk(section).c_str(), Gbk(key).c_str(), Gbk(value).c_str(),
                                                    text::ToAnsi(file).c_str());
    return written != FALSE ? 1 : 0;
}

}  // namespace ini
