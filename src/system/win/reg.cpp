#include "system/win/reg.h"

#include "system/win/unique_handle.h"
#include "text/win/codepage.h"

namespace reg {

HKEY registryKeyHandle = nullptr;
LONG lastRegistryResult = 0;

namespace {

// Read control and every key right but delete, write-DAC and write-owner.
constexpr REGSAM kKeyAccess = 0x2003F;
constexpr DWORD kReadBufferSize = 1024;

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
    const UniqueRegistryKey key(registryKeyHandle);
    if (!StoresType(valueType)) {
        return true;
    }
    const auto bytes = ValueBytes(data, valueType, &text::ToAnsi);
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
    const UniqueRegistryKey key(registryKeyHandle);
    DWORD foundType = valueType;
    if (RegQueryValueExA(registryKeyHandle, text::ToAnsi(valueName).c_str(), nullptr, &foundType,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    valueType = foundType;
    return ValueText(foundType, buffer, size, &text::FromAnsi);
}

bool deleteRegistryValue(HKEY rootKey, const std::wstring& keyPath, const std::wstring& valueName) {
    lastRegistryResult = RegOpenKeyExA(rootKey, text::ToAnsi(keyPath).c_str(), 0, kKeyAccess, &registryKeyHandle);
    if (lastRegistryResult != ERROR_SUCCESS) {
        return false;
    }
    const UniqueRegistryKey key(registryKeyHandle);
    lastRegistryResult = RegDeleteValueA(registryKeyHandle, text::ToAnsi(valueName).c_str());
    return lastRegistryResult == ERROR_SUCCESS;
}

}  // namespace reg
