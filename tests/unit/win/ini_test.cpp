// timer.ini as the real private-profile functions keep it, in code page 936.
#include "schedule/win/ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// 乗 = 81 5C and 乚 = 81 5D end in the bytes '\' and ']'; 周几 = D6 DC BC B8, 周三 = D6 DC C8 FD.
TEST(IniFile, KeepsGbkBytesAndEmptyValuesAndCutsLongValuesToWholeCharacters) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"定时ini";
    std::filesystem::create_directory(folder);
    IniSettingsFile file(folder.wstring());
    EXPECT_EQ(file.Read(L"乗乚", L"周几"), L"");
    file.Write(L"乗乚", L"周几", L"x");
    file.Write(L"乗乚", L"周几", L"周三乗乚");
    file.Write(L"乗乚", L"k", L"");
    std::ifstream stored(folder / L"timer.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stored), {}),
              "[\x81\x5C\x81\x5D]\r\n\xD6\xDC\xBC\xB8=\xD6\xDC\xC8\xFD\x81\x5C\x81\x5D\r\nk=\r\n");
    EXPECT_EQ(file.Read(L"乗乚", L"周几"), L"周三乗乚");
    for (const auto& [value, read] : {std::pair{std::wstring(300, L'7'), std::wstring(254, L'7')},
                                      {std::wstring(253, L'a') + L"周几", std::wstring(253, L'a')}}) {
        file.Write(L"S", L"k", value);
        EXPECT_EQ(file.Read(L"S", L"k"), read);
    }
    EXPECT_EQ(ini::writeIniValue(SettingsPath(folder.wstring() + L"\\missing"), L"S", L"k", L"1"), 0);
    stored.close();
    std::filesystem::remove_all(folder);
}

}  // namespace
