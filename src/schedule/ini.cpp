#include "schedule/ini.h"

#include <array>

#include "platform/codepage.h"
#include "platform/win32.h"

namespace ini {
namespace {

constexpr DWORD kBufferSize = 255;

std::string Gbk(const std::wstring& text) {
    return text::ToCodePage(text, text::kGbkCodePage);
}

}  // namespace

std::size_t WithoutLoneLeadByte(std::string_view bytes) {
    std::size_t position = 0;
    while (position < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[position]);
        position += (lead >= 0x81 && lead <= 0xFE) ? 2 : 1;
    }
    // A lead byte alone at the end has taken the position one past the end.
    return position > bytes.size() ? position - 2 : position;
}

std::wstring SettingsPath(const std::wstring& folder) {
    return folder + L"\\timer.ini";
}

std::wstring readIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    // Zeroed, so that a byte the platform counts but leaves unwritten reads as the end of the value.
    std::array<char, kBufferSize> buffer{};
    GetPrivateProfileStringA(Gbk(section).c_str(), Gbk(key).c_str(), "", buffer.data(), kBufferSize,
                             text::ToAnsi(file).c_str());
    const std::string_view value(buffer.data());
    return text::FromCodePage(value.substr(0, WithoutLoneLeadByte(value)), text::kGbkCodePage);
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
