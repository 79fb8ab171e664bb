// Access to timer.ini through the platform's private-profile functions, in code page 936.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ini {

// The settings file of a folder: the folder followed directly by "\timer.ini" (no separator test).
std::wstring SettingsPath(const std::wstring& folder);

// The length of `bytes` in code page 936 without a lead byte left alone at the end, as a value cut inside a
// double-byte character may end on Windows.
std::size_t WithoutLoneLeadByte(std::string_view bytes);

// The stored value ("" for a missing file, section or key), at most 254 bytes of it.
std::wstring readIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key);

// Writes the value ("" keeps the key with an empty value); nonzero on success, 0 on failure.
std::int16_t writeIniValue(const std::wstring& file,
                           const std::wstring& section,
                           const std::wstring& key,
                           const std::wstring& value);

}  // namespace ini
