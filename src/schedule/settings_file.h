// timer.ini as the program's readers and its save see it: one value per section and key.
#pragma once

#include <string>

class SettingsFile {
  public:
    virtual ~SettingsFile() = default;
    // The stored value; "" for a missing file, section or key.
    virtual std::wstring Read(const wchar_t* section, const wchar_t* key) const = 0;
    // "" keeps the key with an empty value. Whether the write succeeded is nobody's concern.
    virtual void Write(const wchar_t* section, const wchar_t* key, const std::wstring& value) = 0;
};

// The settings file of a folder: the folder followed directly by "\timer.ini", whatever the folder ends in.
inline std::wstring SettingsPath(const std::wstring& folder) {
    return folder + L"\\timer.ini";
}
