// timer.ini through the platform's private-profile functions, in code page 936.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "schedule/settings_file.h"

namespace ini {

// The stored value ("" for a missing file, section or key), at most 254 bytes of it.
std::wstring readIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key);

// Writes the value ("" keeps the key with an empty value); nonzero on success, 0 on failure.
std::int16_t writeIniValue(const std::wstring& file,
                           const std::wstring& section,
                           const std::wstring& key,
                           const std::wstring& value);

}  // namespace ini

// The settings file of the program's folder; its path is formed anew for every read and write.
class IniSettingsFile final : public SettingsFile {
  public:
    explicit IniSettingsFile(std::wstring programFolder) : folder(std::move(programFolder)) {}
    std::wstring Read(const wchar_t* section, const wchar_t* key) const override {
        return ini::readIniValue(SettingsPath(folder), section, key);
    }
    void Write(const wchar_t* section, const wchar_t* key, const std::wstring& value) override {
        ini::writeIniValue(SettingsPath(folder), section, key, value);
    }

  private:
    std::wstring folder;
};
