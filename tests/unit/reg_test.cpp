#include "system/reg.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/codepage.h"

#ifndef _WIN32
#include "platform/host/registry_control.h"
#endif

namespace {

using reg::kAutostartValueName;
using reg::kRunKeyPath;
using Bytes = std::vector<std::uint8_t>;

// 乗 ends in the byte 0x5C in code page 936, the same byte as the separator.
constexpr wchar_t kTestKey[] = L"SOFTWARE\\TimerUnitTest\\乗定时\\子键";
constexpr wchar_t kMissingKey[] = L"SOFTWARE\\TimerUnitTest\\无此键";
constexpr wchar_t kTestValue[] = L"测试值";

// A value's bytes read past the module, or nothing when it is missing.
std::optional<std::string> RawBytes(const std::wstring& keyPath, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, text::ToAnsi(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    BYTE buffer[4096];
    DWORD size = sizeof buffer;
    const LONG result = RegQueryValueExA(key, text::ToAnsi(name).c_str(), nullptr, nullptr, buffer, &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::optional(std::string(reinterpret_cast<const char*>(buffer), size))
                                   : std::nullopt;
}

bool Write(const std::wstring& keyPath, const std::wstring& name, const reg::RegistryData& data, DWORD type) {
    return reg::writeRegistryValue(HKEY_LOCAL_MACHINE, keyPath, name, data, type);
}

// The text read back, whose type must be the one expected (also when nothing is found).
std::wstring Read(const std::wstring& keyPath, const std::wstring& name, DWORD type = REG_SZ) {
    const DWORD expected = type;
    std::wstring result = reg::readRegistryValue(HKEY_LOCAL_MACHINE, keyPath, name, type);
    EXPECT_EQ(type, expected) << name;
    return result;
}

class RegTest : public ::testing::Test {
  protected:
#ifndef _WIN32
    void SetUp() override {
        hostenv::ResetRegistry();
    }
#endif
    void TearDown() override {
        reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKeyPath, kAutostartValueName);
#ifdef _WIN32
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TimerUnitTest");
#else
        EXPECT_EQ(hostenv::OpenRegistryKeyCount(), 0) << "a key was left open";
#endif
        EXPECT_EQ(reg::registryKeyHandle, nullptr);
    }
};

TEST(AutostartCommand, AddsASeparatorUnlessTheFolderIsADriveRoot) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"D:\\工具\\乗定时", L"D:\\工具\\乗定时\\定时关机.exe /s"},
        {L"C:\\", L"C:\\定时关机.exe /s"},
        {L"C:", L"C:\\定时关机.exe /s"},
    };
    for (const auto& [folder, expected] : cases) {
        EXPECT_EQ(reg::AutostartCommand(folder, L"定时关机"), expected) << folder;
    }
}

TEST(FormatHex8, GivesEightUpperCaseDigitsOfTheIntegerPartModulo2To32) {
    const std::pair<double, const wchar_t*> cases[] = {
        {0, L"00000000"},
        {10.9, L"0000000A"},
        {3735928559.0, L"DEADBEEF"},
        {4294967295.0, L"FFFFFFFF"},
        {4294967296.0, L"00000000"},
    };
    for (const auto& [number, expected] : cases) {
        EXPECT_EQ(reg::formatHex8(number), expected) << number;
    }
}

// Strings go out in code page 936 with their NUL, come back trimmed, and must fit the 1024-byte buffer.
TEST_F(RegTest, ValuesAreStoredAsTheirTypeAndReadBackAsText) {
    const struct {
        reg::RegistryData data;
        DWORD type;
        std::string bytes;  // for strings: the code page 936 form plus NUL
        std::wstring text;
    } cases[] = {
        {std::wstring(L"  乗定时 关机  "), REG_SZ, {}, L"乗定时 关机"},
        {std::wstring(L"   "), REG_SZ, {}, L""},
        {std::wstring(1023, L'a'), REG_SZ, {}, std::wstring(1023, L'a')},
        {std::wstring(1024, L'a'), REG_SZ, {}, L""},
        {std::wstring(511, L'关') + L"a", REG_SZ, {}, std::wstring(511, L'关') + L"a"},
        {305419896.0, REG_DWORD, "\x78\x56\x34\x12", L"305419896"},
        {4294967295.0, REG_DWORD, "\xFF\xFF\xFF\xFF", L"4294967295"},
        {Bytes{0x00, 0x0F, 0xA0, 0xFF}, REG_BINARY, std::string("\x00\x0F\xA0\xFF", 4), L"00 0F A0 FF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 12) + L"/" + std::to_wstring(c.type));
        const auto* textData = std::get_if<std::wstring>(&c.data);
        ASSERT_TRUE(Write(kTestKey, kTestValue, c.data, c.type));
        EXPECT_EQ(RawBytes(kTestKey, kTestValue),
                  textData != nullptr ? text::ToCodePage(*textData, 936) + '\0' : c.bytes);
        EXPECT_EQ(Read(kTestKey, kTestValue, c.type), c.text);
    }
}

TEST_F(RegTest, OutOfRangeDwordsAndUnsupportedTypesWriteNothing) {
    for (const double number : {-1.0, 4294967296.0}) {
        EXPECT_FALSE(Write(kTestKey, kTestValue, number, REG_DWORD)) << number;
        EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
    }
    for (const DWORD type : {DWORD{REG_NONE}, DWORD{5}, DWORD{6}, DWORD{11}}) {
        EXPECT_TRUE(Write(kTestKey, kTestValue, std::wstring(L"x"), type)) << type;
    }
    EXPECT_FALSE(RawBytes(kTestKey, kTestValue));
}

TEST_F(RegTest, AutostartValueIsReplacedThenDeletedOnce) {
    ASSERT_TRUE(Write(kRunKeyPath, kAutostartValueName, std::wstring(L"x"), REG_SZ));
    ASSERT_TRUE(Write(kRunKeyPath, kAutostartValueName, std::wstring(L"C:\\timer.exe /s"), REG_SZ));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_SUCCESS);
    EXPECT_EQ(Read(kRunKeyPath, kAutostartValueName), L"C:\\timer.exe /s");

    EXPECT_TRUE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKeyPath, kAutostartValueName));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_SUCCESS);
    EXPECT_EQ(Read(kRunKeyPath, kAutostartValueName), L"");
    EXPECT_EQ(Read(kMissingKey, kTestValue, REG_DWORD), L"");

    EXPECT_FALSE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKeyPath, kAutostartValueName));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, kMissingKey, kTestValue));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
}

#ifndef _WIN32

TEST_F(RegTest, HostOnlyKeyIsPersistentAndWithoutWriteRightsNothingChanges) {
    ASSERT_TRUE(Write(kRunKeyPath, kAutostartValueName, 7.0, REG_DWORD));
    EXPECT_EQ(hostenv::CreateKeyCalls().at(0).options, DWORD{REG_OPTION_NON_VOLATILE}) << "it must outlive a restart";

    hostenv::SetRegistryWritesDenied(true);
    EXPECT_FALSE(Write(kRunKeyPath, kAutostartValueName, std::wstring(L"y"), REG_SZ));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKeyPath, kAutostartValueName));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_ACCESS_DENIED);
    EXPECT_EQ(Read(kRunKeyPath, kAutostartValueName, REG_DWORD), L"") << "the read asks for write rights too";
    hostenv::SetRegistryWritesDenied(false);
    EXPECT_EQ(Read(kRunKeyPath, kAutostartValueName, REG_DWORD), L"7");
}

#endif

}  // namespace
