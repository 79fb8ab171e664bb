// Registry access through the ANSI functions, and the autostart value built on it.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "platform/win32.h"

namespace reg {

// The key last opened or created (closed again before each operation returns), and the result code
// of the last registry call that decides success.
extern HKEY registryKeyHandle;
extern LONG lastRegistryResult;

// A general value: text for the string types, bytes for REG_BINARY, a number for REG_DWORD.
using Bytes = std::vector<std::uint8_t>;
using RegistryData = std::variant<std::wstring, Bytes, double>;

bool writeRegistryValue(HKEY rootKey,
                        const std::wstring& keyPath,
                        const std::wstring& valueName,
                        const RegistryData& data,
                        DWORD valueType);
// `valueType` in: the type expected; out: the type found. "" when nothing could be read.
std::wstring readRegistryValue(HKEY rootKey,
                               const std::wstring& keyPath,
                               const std::wstring& valueName,
                               DWORD& valueType);
bool deleteRegistryValue(HKEY rootKey, const std::wstring& keyPath, const std::wstring& valueName);
// Exactly 8 upper-case hexadecimal digits with leading zeros, of a number from 0 to 4294967295.
std::wstring formatHex8(double number);

extern const wchar_t kRunKeyPath[];          // SOFTWARE\Microsoft\Windows\CurrentVersion\Run
extern const wchar_t kAutostartValueName[];  // 澄屿定时关机

// The folder, a "\" unless the folder is exactly 3 characters (a drive root), the base name, ".exe /s".
std::wstring AutostartCommand(const std::wstring& folder, const std::wstring& baseName);

}  // namespace reg
