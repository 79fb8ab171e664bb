// Test controls of the host stand-in for the registry: an in-memory tree under the predefined root keys,
// with Windows' rules for names (case-insensitive), missing keys and values, and refused writes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace hostenv {

struct StoredRegistryValue {
    DWORD type;
    std::string bytes;  // exactly as RegSetValueExA received them
};

// What one RegCreateKeyExA call was given beyond the key itself.
struct CreateKeyCall {
    std::wstring className;
    DWORD options;
    REGSAM access;
    DWORD securityLength;  // nLength of the security attributes, 0 when none were passed
    bool securityDescriptor;
    bool inheritHandle;
};

bool RegistryKeyExists(HKEY root, const std::wstring& path);
std::optional<StoredRegistryValue> RegistryValueOf(HKEY root, const std::wstring& path, const std::wstring& name);
const std::vector<CreateKeyCall>& CreateKeyCalls();
// Handles opened or created and not yet closed (predefined root keys are not counted).
int OpenRegistryKeyCount();
// As for a user without administrator rights on HKEY_LOCAL_MACHINE: every open or create that asks for
// a write right, and every write or delete, fails with ERROR_ACCESS_DENIED.
void SetRegistryWritesDenied(bool denied);
void ResetRegistry();

}  // namespace hostenv
