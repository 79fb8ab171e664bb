#include "system/reg_values.h"

#include <cmath>

#include "text/blanks.h"

namespace reg {

namespace {

bool IsStringType(std::uint32_t valueType) {
    return valueType == kString || valueType == kExpandString || valueType == kMultiString;
}

}  // namespace

bool StoresType(std::uint32_t valueType) {
    return IsStringType(valueType) || valueType == kBinary || valueType == kNumber;
}

std::optional<std::string> ValueBytes(const RegistryData& data, std::uint32_t valueType, AnsiEncoder toAnsi) {
    if (const auto* textData = std::get_if<std::wstring>(&data); textData != nullptr && IsStringType(valueType)) {
        return toAnsi(*textData) + '\0';
    }
    if (const auto* bytes = std::get_if<Bytes>(&data); bytes != nullptr && valueType == kBinary) {
        return std::string(bytes->begin(), bytes->end());
    }
    const auto* number = std::get_if<double>(&data);
    if (number == nullptr || valueType != kNumber || !(*number >= 0 && *number <= 4294967295.0)) {
        return std::nullopt;
    }
    const auto value = static_cast<std::uint32_t>(*number);
    std::string bytes;
    for (unsigned shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>(value >> shift & 0xFF);
    }
    return bytes;
}

std::wstring ValueText(std::uint32_t valueType, std::string_view buffer, std::uint32_t size, AnsiDecoder fromAnsi) {
    std::wstring result;
    if (IsStringType(valueType)) {
        result = size == 0 ? std::wstring() : fromAnsi(buffer.substr(0, size - 1));
    }
    const auto byte = [&buffer](std::size_t i) { return std::uint32_t{static_cast<unsigned char>(buffer[i])}; };
    if (valueType == kBinary) {
        for (std::uint32_t i = 0; i < size; ++i) {
            result += formatHex8(byte(i)).substr(6) + L' ';
        }
    }
    if (valueType == kNumber) {
        result = std::to_wstring(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
    }
    return std::wstring(text::Trim(result, L" "));
}

// Fills the eight places from the right with the remainders of division by 16.
std::wstring formatHex8(double number) {
    std::wstring digits(8, L'0');
    for (std::size_t position = 8; position > 0; --position) {
        digits[position - 1] = L"0123456789ABCDEF"[static_cast<int>(std::fmod(number, 16))];
        number = std::floor(number / 16);
    }
    return digits;
}

}  // namespace reg
