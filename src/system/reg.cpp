#include "system/reg.h"

#include <cmath>
#include <memory>
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

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
// Closes registryKeyHandle when the operation that opened it ends, however it ends.
using OpenKey = std::unique_ptr<HKEY__, KeyCloser>;

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

// The bytes to store for a value of `valueType`, or nothing when the data does not fit the type.
std::optional<std::string> EncodeValue(const RegistryData& data, DWORD valueType) {
    if (const auto* textData = std::get_if<std::wstring>(&data); textData != nullptr && IsStringType(valueType)) {
        return text::ToAnsi(*textData) + '\0';
    }
    if (const auto* bytes = std::get_if<Bytes>(&data); bytes != nullptr && valueType == REG_BINARY) {
        return std::string(bytes->begin(), bytes->end());
    }
    const auto* number = std::get_if<double>(&data);
    if (number == nullptr || valueType != REG_DWORD || !(*number >= 0 && *number <= 4294967295.0)) {
        return std::nullopt;
    }
    // Lowest byte first.
    const auto value = static_cast<std::uint32_t>(*number);
    std::string bytes;
    for (unsigned shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>(value >> shift & 0xFF);
    }
    return bytes;
}

std::wstring DecodeValue(DWORD valueType, const std::string& buffer, DWORD size) {
    if (IsStringType(valueType)) {
        return size == 0 ? std::wstring() : text::FromAnsi(buffer.substr(0, size - 1));
    }
    std::wstring result;
    if (valueType == REG_BINARY) {
        for (DWORD i = 0; i < size; ++i) {
            result += formatHex8(static_cast<unsigned char>(buffer[i])).substr(6) + L' ';
        }
    }
    if (valueType == REG_DWORD) {
        const auto byte = [&buffer](std::size_t i) { return std::uint32_t{static_cast<unsigned char>(buffer[i])}; };
        result = std::to_wstring(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
    }
    return result;
}

}  // namespace

bool writeRegistryValue(HKEY rootKey,
                        const std::wstring& keyPath,
                        const std::wstring& valueName,
                        const RegistryData& data,
                        DWORD valueType) {
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    std::string className = std::to_string(valueType);
    DWORD disposition = 0;
    lastRegistryResult =
        RegCreateKeyExA(rootKey, text::ToAnsi(keyPath).c_str(), 0, className.data(), REG_OPTION_NON_VOLATILE,
                        kKeyAccess, &security, &registryKeyHandle, &disposition);
    if (lastRegistryResult != ERROR_SUCCESS) {
        return false;
    }
    const OpenKey key(registryKeyHandle);
    if (valueType < REG_SZ || valueType > REG_MULTI_SZ || valueType == 5 || valueType == 6) {
        return true;
    }
    const auto bytes = EncodeValue(data, valueType);
    if (!bytes) {
        lastRegistryResult = ERROR_FILE_NOT_FOUND;
        return false;
    }
    lastRegistryResult =
        RegSetValueExA(registryKeyHandle, text::ToAnsi(valueName).c_str(), 0, valueType,
                       reinterpret_cast<const BYTE*>(bytes->data()), static_cast<DWORD>(bytes->size()));
    return lastRegistryResult == ERROR_SUCCESS;
}

std::wstring readRegistryValue(HKEY rootKey,
                               const std::wstring& keyPath,
                               const std::wstring& valueName,
                               DWORD& valueType) {
    std::string buffer(kReadBufferSize, ' ');
    DWORD size = kReadBufferSize;
    if (RegOpenKeyExA(rootKey, text::ToAnsi(keyPath).c_str(), 0, kKeyAccess, &registryKeyHandle) != ERROR_SUCCESS) {
        return {};
    }
    const OpenKey key(registryKeyHandle);
    DWORD foundType = valueType;
    if (RegQueryValueExA(registryKeyHandle, text::ToAnsi(valueName).c_str(), nullptr, &foundType,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    valueType = foundType;
    return Trim(DecodeValue(foundType, buffer, size));
}

bool deleteRegistryValue(HKEY rootKey, const std::wstring& keyPath, const std::wstring& valueName) {
    lastRegistryResult = RegOpenKeyExA(rootKey, text::ToAnsi(keyPath).c_str(), 0, kKeyAccess, &registryKeyHandle);
    if (lastRegistryResult != ERROR_SUCCESS) {
        return false;
    }
    const OpenKey key(registryKeyHandle);
    lastRegistryResult = RegDeleteValueA(registryKeyHandle, text::ToAnsi(valueName).c_str());
    return lastRegistryResult == ERROR_SUCCESS;
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

std::wstring AutostartCommand(const std::wstring& folder, const std::wstring& baseName) {
    const std::wstring separator = folder.size() == 3 ? L"" : L"\\";
    return folder + separator + baseName + L".exe /s";
}

}  // namespace reg
