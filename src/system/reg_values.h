// The registry values the reg module writes and reads, apart from the calls that store them: which types it
// stores, the bytes stored for a value, the text read back from them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace reg {

// The value types by their registry numbers.
constexpr std::uint32_t kString = 1;
constexpr std::uint32_t kExpandString = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kNumber = 4;  // 32 bits, lowest byte first
constexpr std::uint32_t kMultiString = 7;

inline constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// A general value: text for the string types, bytes for binary, a number for the 32-bit type.
using Bytes = std::vector<std::uint8_t>;
using RegistryData = std::variant<std::wstring, Bytes, double>;

// Text to and from the bytes of the system's ANSI code page.
using AnsiEncoder = std::string (*)(std::wstring_view);
using AnsiDecoder = std::wstring (*)(std::string_view);

// Whether a write of this type stores anything; for the others it succeeds without storing.
bool StoresType(std::uint32_t valueType);

// The bytes stored for `data` as `valueType`: a string's text with its NUL, a number's four bytes; nullopt
// when the data does not fit the type (another kind of data, a number outside 0 to 4294967295).
std::optional<std::string> ValueBytes(const RegistryData& data, std::uint32_t valueType, AnsiEncoder toAnsi);

// The text read from the first `size` bytes of `buffer` as a value of `valueType`: a string without its NUL,
// binary bytes as hexadecimal pairs, the number in decimal, "" for other types; blanks trimmed.
std::wstring ValueText(std::uint32_t valueType, std::string_view buffer, std::uint32_t size, AnsiDecoder fromAnsi);

// Exactly 8 upper-case hexadecimal digits with leading zeros, of a number from 0 to 4294967295.
std::wstring formatHex8(double number);

}  // namespace reg
