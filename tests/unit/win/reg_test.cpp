// Registry values as the real functions store them.
#include "system/win/reg.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// 乗 = 81 5C, the same byte as the separator, in the key; 周几 = D6 DC BC B8, 周三 = D6 DC C8 FD.
TEST(Registry, StringsInTheAnsiCodePageWithTheirNulNumbersAsFourBytes) {
    const std::wstring key = L"SOFTWARE\\TimerUnitTest\\乗";
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, key, L"周几", L" 周三乗 ", REG_SZ));
    HKEY raw = nullptr;
    DWORD type = 0;
    char bytes[64];
    DWORD size = sizeof bytes;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TimerUnitTest\\\x81\x5C", 0, KEY_READ, &raw);
    RegQueryValueExA(raw, "\xD6\xDC\xBC\xB8", nullptr, &type, reinterpret_cast<BYTE*>(bytes), &size);
    RegCloseKey(raw);
    EXPECT_EQ(std::pair(type, std::string(bytes, size)),
              std::pair(DWORD{REG_SZ}, std::string(" \xD6\xDC\xC8\xFD\x81\x5C \0", 9)));
    DWORD found = REG_BINARY;
    EXPECT_EQ(reg::readRegistryValue(HKEY_LOCAL_MACHINE, key, L"周几", found), L"周三乗");
    EXPECT_EQ(found, DWORD{REG_SZ});
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, key, L"周几", 305419896.0, REG_DWORD));
    EXPECT_EQ(reg::readRegistryValue(HKEY_LOCAL_MACHINE, key, L"周几", found), L"305419896");
    EXPECT_EQ(found, DWORD{REG_DWORD});
    EXPECT_TRUE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, key, L"周几"));
    EXPECT_FALSE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, key, L"周几"));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(reg::readRegistryValue(HKEY_LOCAL_MACHINE, key, L"周几", found), L"");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TimerUnitTest");
}

}  // namespace
