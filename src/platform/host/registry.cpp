// Host stand-in for the ANSI registry functions, over an in-memory tree. Names arrive in the ANSI code
// page and are decoded before they are split at "\", so a GBK trail byte 0x5C never splits a name.
#include <cwctype>
#include <map>

#include "platform/host/registry_control.h"
#include "platform/codepage.h"

namespace {

constexpr REGSAM kWriteRights = KEY_SET_VALUE | 0x0004 /* create subkey */ | 0x0020 /* create link */;

struct RegistryKey {
    std::wstring className;
    std::map<std::wstring, hostenv::StoredRegistryValue> values;  // by upper-cased name
};

struct RegistryState {
    std::map<std::wstring, RegistryKey> keys;     // by upper-cased full path, "HKLM\SOFTWARE\..."
    std::map<std::uintptr_t, std::wstring> open;  // handle -> full path
    std::uintptr_t nextHandle = 0x1000;
    std::vector<hostenv::CreateKeyCall> createCalls;
    bool writesDenied = false;
};

RegistryState& State() {
    static RegistryState state;
    return state;
}

std::wstring Upper(std::wstring name) {
    for (wchar_t& c : name) {
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    }
    return name;
}

std::optional<std::wstring> RootName(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) {
        return L"HKCR";
    }
    if (key == HKEY_CURRENT_USER) {
        return L"HKCU";
    }
    if (key == HKEY_LOCAL_MACHINE) {
        return L"HKLM";
    }
    if (key == HKEY_USERS) {
        return L"HKU";
    }
    return std::nullopt;
}

// The full path of an open or predefined key, or nothing for an unknown handle.
std::optional<std::wstring> PathOf(HKEY key) {
    if (auto root = RootName(key)) {
        return root;
    }
    const auto it = State().open.find(reinterpret_cast<std::uintptr_t>(key));
    return it == State().open.end() ? std::nullopt : std::optional<std::wstring>(it->second);
}

// The chain of full paths from the first component below `base` down to `subKey` itself.
std::vector<std::wstring> PathChain(const std::wstring& base, const std::wstring& subKey) {
    std::vector<std::wstring> chain;
    std::wstring path = base;
    std::size_t start = 0;
    while (start <= subKey.size()) {
        std::size_t end = subKey.find(L'\\', start);
        end = end == std::wstring::npos ? subKey.size() : end;
        if (end > start) {
            path += L'\\' + Upper(subKey.substr(start, end - start));
            chain.push_back(path);
        }
        start = end + 1;
    }
    return chain;
}

std::wstring Decode(LPCSTR bytes) {
    return bytes == nullptr ? std::wstring() : text::FromAnsi(bytes);
}

HKEY NewHandle(const std::wstring& path) {
    const std::uintptr_t handle = State().nextHandle;
    State().nextHandle += 4;
    State().open[handle] = path;
    return reinterpret_cast<HKEY>(handle);
}

RegistryKey* KeyOf(HKEY key) {
    const auto path = PathOf(key);
    if (!path) {
        return nullptr;
    }
    auto& keys = State().keys;
    if (RootName(key)) {
        return &keys[*path];  // root keys always exist
    }
    const auto it = keys.find(*path);
    return it == keys.end() ? nullptr : &it->second;
}

}  // namespace

namespace hostenv {

bool RegistryKeyExists(HKEY root, const std::wstring& path) {
    const auto chain = PathChain(RootName(root).value_or(L"?"), path);
    return chain.empty() || State().keys.count(chain.back()) != 0;
}

std::optional<StoredRegistryValue> RegistryValueOf(HKEY root, const std::wstring& path, const std::wstring& name) {
    const auto chain = PathChain(RootName(root).value_or(L"?"), path);
    const auto key = State().keys.find(chain.empty() ? RootName(root).value_or(L"?") : chain.back());
    if (key == State().keys.end()) {
        return std::nullopt;
    }
    const auto value = key->second.values.find(Upper(name));
    return value == key->second.values.end() ? std::nullopt : std::optional<StoredRegistryValue>(value->second);
}

const std::vector<CreateKeyCall>& CreateKeyCalls() {
    return State().createCalls;
}

int OpenRegistryKeyCount() {
    return static_cast<int>(State().open.size());
}

void SetRegistryWritesDenied(bool denied) {
    State().writesDenied = denied;
}

void ResetRegistry() {
    State() = RegistryState{};
}

}  // namespace hostenv

LSTATUS RegCreateKeyExA(HKEY key,
                        LPCSTR subKey,
                        DWORD,
                        LPSTR className,
                        DWORD options,
                        REGSAM access,
                        const SECURITY_ATTRIBUTES* security,
                        PHKEY result,
                        LPDWORD disposition) {
    State().createCalls.push_back(
        hostenv::CreateKeyCall{Decode(className), options, access, security == nullptr ? 0 : security->nLength,
                               security != nullptr && security->lpSecurityDescriptor != nullptr,
                               security != nullptr && security->bInheritHandle != FALSE});
    const auto base = PathOf(key);
    if (!base || result == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if (State().writesDenied) {
        return ERROR_ACCESS_DENIED;
    }
    const auto chain = PathChain(*base, Decode(subKey));
    const std::wstring path = chain.empty() ? *base : chain.back();
    const bool existed = State().keys.count(path) != 0 || chain.empty();
    for (const auto& part : chain) {
        if (State().keys.count(part) == 0) {
            State().keys[part].className = Decode(className);
        }
    }
    *result = NewHandle(path);
    if (disposition != nullptr) {
        *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    }
    return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
    const auto base = PathOf(key);
    if (!base || result == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const auto chain = PathChain(*base, Decode(subKey));
    const std::wstring path = chain.empty() ? *base : chain.back();
    if (!chain.empty() && State().keys.count(path) == 0) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (State().writesDenied && (access & kWriteRights) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    *result = NewHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
    RegistryKey* node = KeyOf(key);
    if (node == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if (State().writesDenied) {
        return ERROR_ACCESS_DENIED;
    }
    if (data == nullptr && size != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::string bytes = size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
    node->values[Upper(Decode(valueName))] = hostenv::StoredRegistryValue{type, bytes};
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    RegistryKey* node = KeyOf(key);
    if (node == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const auto it = node->values.find(Upper(Decode(valueName)));
    if (it == node->values.end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    const hostenv::StoredRegistryValue& value = it->second;
    const auto length = static_cast<DWORD>(value.bytes.size());
    if (type != nullptr) {
        *type = value.type;
    }
    if (data != nullptr && (size == nullptr || *size < length)) {
        if (size != nullptr) {
            *size = length;
        }
        return ERROR_MORE_DATA;
    }
    if (data != nullptr) {
        value.bytes.copy(reinterpret_cast<char*>(data), length);
    }
    if (size != nullptr) {
        *size = length;
    }
    return ERROR_SUCCESS;
}

LSTATUS RegDeleteValueA(HKEY key, LPCSTR valueName) {
    RegistryKey* node = KeyOf(key);
    if (node == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if (State().writesDenied) {
        return ERROR_ACCESS_DENIED;
    }
    return node->values.erase(Upper(Decode(valueName))) == 1 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LSTATUS RegCloseKey(HKEY key) {
    if (RootName(key)) {
        return ERROR_SUCCESS;
    }
    return State().open.erase(reinterpret_cast<std::uintptr_t>(key)) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
