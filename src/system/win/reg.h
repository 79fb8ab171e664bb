// The reg module: writing, reading and deleting registry values through the ANSI functions.
#pragma once

#include <windows.h>

#include <string>

#include "system/reg_values.h"

namespace reg {

// The key last opened or created (closed again before each operation returns), and the result code of the
// last registry call that decides success.
extern HKEY registryKeyHandle;
extern LONG lastRegistryResult;

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

}  // namespace reg
