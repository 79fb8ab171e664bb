// Host stand-in for the ANSI registry functions, over an in-memory map of the keys under
// HKEY_LOCAL_MACHINE. Names are decoded from the ANSI code page before they are compared, so a GBK trail
// byte 0x5C is never taken for a separator.
#include <map>

#include "platform/codepage.h"
#include "platform/host/control.h"

namespace {

constexpr REGSAM kWriteRights = 0x0002 /* set value */ | 0x0004 /* create subkey */ | 0x0020 /* create link */;

struct StoredValue {
    DWORD type;
    std::string bytes;
};
using Key = std::map<std::wstring, StoredValue>;  // by value name

struct RegistryState {
    std::map<std::wstring, Key> keys;             // by path below HKEY_LOCAL_MACHINE
    std::map<std::uintptr_t, std::wstring> open;  // handle -> path
    std::uintptr_t nextHandle = 0x1000;
    bool writesDenied = false;
};

RegistryState& State() {
    static RegistryState state;
    return state;
}

// The key behind an open handle, or null.
Key* KeyOf(HKEY handle) {
    const auto it = State().open.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == State().open.end() ? nullptr : &State().keys[it->second];
}

LONG Open(HKEY root, const char* subKey, REGSAM access, HKEY* result, bool create) {
    if (root != HKEY_LOCAL_MACHINE) {
        return ERROR_INVALID_HANDLE;
    }
    if (State().writesDenied && (access & kWriteRights) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    const std::wstring path = text::FromAnsi(subKey);
    if (!create && State().keys.count(path) == 0) {
        return ERROR_FILE_NOT_FOUND;
    }
    State().keys[path];
    State().open[State().nextHandle] = path;
    *result = reinterpret_cast<HKEY>(State().nextHandle);
    State().nextHandle += 4;
    return ERROR_SUCCESS;
}

}  // namespace

namespace hostenv {

int OpenRegistryKeyCount() {
    return static_cast<int>(State().open.size());
}

void SetRegistryWritesDenied(bool denied) {
    State().writesDenied = denied;
}

}  // namespace hostenv

// Only the forms the program uses are modelled: reserved arguments and options are 0, so a key made here
// outlives a restart.
LONG RegCreateKeyExA(HKEY root,
                     const char* subKey,
                     DWORD reserved,
                     char*,
                     DWORD options,
                     REGSAM access,
                     const SECURITY_ATTRIBUTES*,
                     HKEY* result,
                     DWORD*) {
    if (reserved != 0 || options != REG_OPTION_NON_VOLATILE) {
        return ERROR_INVALID_PARAMETER;
    }
    return Open(root, subKey, access, result, true);
}

LONG RegOpenKeyExA(HKEY root, const char* subKey, DWORD options, REGSAM access, HKEY* result) {
    return options == 0 ? Open(root, subKey, access, result, false) : ERROR_INVALID_PARAMETER;
}

LONG RegSetValueExA(HKEY handle, const char* valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
    Key* key = KeyOf(handle);
    if (key == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if (reserved != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    (*key)[text::FromAnsi(valueName)] = StoredValue{type, std::string(reinterpret_cast<const char*>(data), size)};
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY handle, const char* valueName, DWORD*, DWORD* type, BYTE* data, DWORD* size) {
    Key* key = KeyOf(handle);
    if (key == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const auto it = key->find(text::FromAnsi(valueName));
    if (it == key->end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    const std::string& bytes = it->second.bytes;
    if (type != nullptr) {
        *type = it->second.type;
    }
    const DWORD room = *size;
    *size = static_cast<DWORD>(bytes.size());
    if (room < bytes.size()) {
        return ERROR_MORE_DATA;
    }
    bytes.copy(reinterpret_cast<char*>(data), bytes.size());
    return ERROR_SUCCESS;
}

LONG RegDeleteValueA(HKEY handle, const char* valueName) {
    Key* key = KeyOf(handle);
    if (key == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    return key->erase(text::FromAnsi(valueName)) == 1 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG RegCloseKey(HKEY handle) {
    return State().open.erase(reinterpret_cast<std::uintptr_t>(handle)) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
