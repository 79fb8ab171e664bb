// The settings file as a map, for the core's readers and its save.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "schedule/settings_file.h"

struct MemorySettings : SettingsFile {
    // Entries written "section/key=value".
    MemorySettings(std::initializer_list<std::wstring_view> entries = {}) {
        for (const std::wstring_view entry : entries) {
            const std::size_t slash = entry.find(L'/');
            const std::size_t equals = entry.find(L'=');
            values[{std::wstring(entry.substr(0, slash)), std::wstring(entry.substr(slash + 1, equals - slash - 1))}] =
                entry.substr(equals + 1);
        }
    }
    std::wstring Read(const wchar_t* section, const wchar_t* key) const override {
        const auto entry = values.find({section, key});
        return entry == values.end() ? L"" : entry->second;
    }
    void Write(const wchar_t* section, const wchar_t* key, const std::wstring& value) override {
        values[{section, key}] = value;
    }

    std::map<std::pair<std::wstring, std::wstring>, std::wstring> values;
};
