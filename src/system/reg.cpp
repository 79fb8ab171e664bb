#include "system/reg.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "platform/codepage.h"

namespace reg {

HKEY registryKeyHandle = nullptr;
LONG lastRegistryResult = 0;

const wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kAutostartValueName[] = L"澄屿定时关机";

namespace {

// Read control and every key right but delete, write-DAC and write-owner.
constexpr REGSAM kKeyAccess = 0x2003F;
constexpr DWORD kReadBufferSize = 1024;

// Closes registryKeyHandle when an operation ends, however it ends.
class KeyCloser {
  public:
    KeyCloser() = default;
    ~KeyCloser() {
        if (registryKeyHandle != nullptr) {
            RegCloseKey(registryKeyHandle);
            registryKeyHandle = nullptr;
        }
    }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;
};

bool IsStringType(DWORD valueType) {
    return valueType == REG_SZ || valueType == REG_EXPAND_SZ || valueType == REG_MULTI_SZ;
}

std::wstring Trim(const std::wstring& value) {
    const auto first = value.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return {};
    }
    return value.substr(first, value.find_last_not_of(L' ') - first + 1);
}

LONG SetValue(const std::string& name, DWORD valueType, const std::string& bytes) {
    return RegSetValueExA(registryKeyHandle, name.c_str(), 0, valueType, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

// The bytes to store for a value of `valueType`, or nothing when the data does not fit the type.
std::optional<std::string> EncodeValue(const RegistryData& data, DWORD valueType) {
    if (IsStringType(valueType)) {
        const auto* textData = std::get_if<std::wstring>(&data);
        if (textData == nullptr) {
            return std::nullopt;
        }
        return text::ToAnsi(*textData) + '\0';
    }
    if (valueType == REG_BINARY) {
        const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&data);
        return bytes == nullptr ? std::nullopt : std::optional<std::string>(std::string(bytes->begin(), bytes->end()));
    }
    const auto* number = std::get_if<double>(&data);
    if (number == nullptr || !(*number >= 0 && *number <= 4294967295.0)) {
        return std::nullopt;
    }
    const auto value = static_cast<std::uint32_t>(*number);
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::wstring HexBytes(const BYTE* bytes, DWORD size) {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring result;
    for (DWORD i = 0; i < size; ++i) {
        result += kDigits[bytes[i] >> 4];
        result += kDigits[bytes[i] & 0xF];
        result += L' ';
    }
    return result;
}

std::wstring DecodeValue(DWORD valueType, const BYTE* buffer, DWORD size) {
    if (IsStringType(valueType)) {
        return size == 0 ? std::wstring()
                         : text::FromAnsi(std::string(reinterpret_cast<const char*>(buffer), size - 1));
    }
    if (valueType == REG_BINARY) {
        return HexBytes(buffer, size);
    }
    if (valueType == REG_DWORD) {
        const std::uint32_t value = static_cast<std::uint32_t>(buffer[0]) | static_cast<std::uint32_t>(buffer[1]) << 8 |
                                    static_cast<std::uint32_t>(buffer[2]) << 16 |
                                    static_cast<std::uint32_t>(buffer[3]) << 24;
        return std::to_wstring(value);
    }
    return {};
}

}  // namespace

bool writeRegistryValue(HKEY rootKey,
                        const std::wstring& keyPath,
                        const std::wstring& valueName,
                        const RegistryData& data,
                        DWORD valueType) {
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof(SECURITY_ATTRIBUTES);
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = TRUE;
    std::string className = std::to_string(valueType);
    DWORD disposition = 0;
    KeyCloser closer;
    lastRegistryResult =
        RegCreateKeyExA(rootKey, text::ToAnsi(keyPath).c_str(), 0, className.data(), REG_OPTION_NON_VOLATILE,
                        kKeyAccess, &security, &registryKeyHandle, &disposition);
    if (lastRegistryResult != ERROR_SUCCESS) {
        registryKeyHandle = nullptr;
        return false;
    }
    if (valueType < REG_SZ || valueType > REG_MULTI_SZ || valueType == 5 || valueType == 6) {
        return true;
    }
    const auto bytes = EncodeValue(data, valueType);
    if (!bytes) {
        lastRegistryResult = valueType == REG_DWORD ? ERROR_FILE_NOT_FOUND : ERROR_INVALID_PARAMETER;
        return false;
    }
    lastRegistryResult = SetValue(text::ToAnsi(valueName), valueType, *bytes);
    return lastRegistryResult == ERROR_SUCCESS;
}

std::wstring readRegistryValue(HKEY rootKey,
                               const std::wstring& keyPath,
                               const std::wstring& valueName,
                               DWORD& valueType) {
    BYTE buffer[kReadBufferSize];
    std::fill(std::begin(buffer), std::end(buffer), static_cast<BYTE>(' '));
    DWORD size = kReadBufferSize;
    KeyCloser closer;
    if (RegOpenKeyExA(rootKey, text::ToAnsi(keyPath).c_str(), 0, kKeyAccess, &registryKeyHandle) != ERROR_SUCCESS) {
        registryKeyHandle = nullptr;
        return {};
    }
    DWORD foundType = valueType;
    if (RegQueryValueExA(registryKeyHandle, text::ToAnsi(valueName).c_str(), nullptr, &foundType, buffer, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    valueType = foundType;
    return Trim(DecodeValue(foundType, buffer, size));
}

bool deleteRegistryValue(HKEY rootKey, const std::wstring& keyPath, const std::wstring& valueName) {
    KeyCloser closer;
    lastRegistryResult = RegOpenKeyExA(rootKey, text::ToAnsi(keyPath).c_str(), 0, kKeyAccess, &registryKeyHandle);
    if (lastRegistryResult != ERROR_SUCCESS) {
        registryKeyHandle = nullptr;
        return false;
    }
    lastRegistryResult = RegDeleteValueA(registryKeyHandle, text::ToAnsi(valueName).c_str());
    return lastRegistryResult == ERROR_SUCCESS;
}

std::wstring formatHex8(double number) {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    // Only the integer part counts, taken modulo 2^32 so that every input gives exactly 8 digits.
    double rest = std::isfinite(number) ? std::fmod(std::trunc(number), 4294967296.0) : 0.0;
    if (rest < 0) {
        rest += 4294967296.0;
    }
    auto value = static_cast<std::uint32_t>(rest);
    std::wstring digits(8, L'0');
    for (std::size_t position = 8; position > 0; --position) {
        digits[position - 1] = kDigits[value % 16];
        value /= 16;
    }
    return digits;
}

std::wstring AutostartCommand(const std::wstring& folder, const std::wstring& baseName) {
    const std::wstring separator = folder.size() == 3 ? L"" : L"\\";
    return folder + separator + baseName + L".exe /s";
}

}  // namespace reg
