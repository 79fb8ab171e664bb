#include "system/reg.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/codepage.h"
#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace {

// 乗 ends in the byte 0x5C in code page 936, the same byte as the separator.
constexpr wchar_t kTestKey[] = L"SOFTWARE\\TimerUnitTest\\乗定时";
constexpr wchar_t kMissingKey[] = L"SOFTWARE\\TimerUnitTest\\无此键";
constexpr wchar_t kTestValue[] = L"测试值";

// The value's bytes read past the module, or nothing when it is missing.
std::optional<std::string> RawBytes() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, text::ToAnsi(kTestKey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string buffer(4096, '\0');
    DWORD size = 4096;
    const LONG result = RegQueryValueExA(key, text::ToAnsi(kTestValue).c_str(), nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(&buffer[0]), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::optional(buffer.substr(0, size)) : std::nullopt;
}

bool Write(const reg::RegistryData& data, DWORD type) {
    return reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kTestKey, kTestValue, data, type);
}

// The text read back; the type comes back as expected, also when nothing is found.
std::wstring Read(const wchar_t* keyPath, DWORD type) {
    const DWORD expected = type;
    std::wstring result = reg::readRegistryValue(HKEY_LOCAL_MACHINE, keyPath, kTestValue, type);
    EXPECT_EQ(type, expected);
    return result;
}

bool Delete(const wchar_t* keyPath) {
    return reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, keyPath, kTestValue);
}

class Registry : public ::testing::Test {
  protected:
    void TearDown() override {
#ifdef _WIN32
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TimerUnitTest");
#else
        EXPECT_EQ(hostenv::OpenRegistryKeyCount(), 0) << "a key was left open";
        hostenv::ResetRegistry();
#endif
    }
};

TEST(AutostartCommand, AddsASeparatorUnlessTheFolderIsADriveRoot) {
    EXPECT_EQ(reg::AutostartCommand(L"D:\\工具\\乗定时", L"定时关机"), L"D:\\工具\\乗定时\\定时关机.exe /s");
    EXPECT_EQ(reg::AutostartCommand(L"C:\\", L"定时关机"), L"C:\\定时关机.exe /s");
}

// Strings go out in code page 936 with their NUL, come back trimmed, and must fit the 1024-byte buffer.
TEST_F(Registry, ValuesAreStoredAsTheirTypeAndReadBackAsText) {
    const struct {
        reg::RegistryData data;
        DWORD type;
        std::string bytes;  // for strings: the code page 936 form plus NUL
        std::wstring text;
    } cases[] = {
        {std::wstring(L"  乗定时 关机  "), REG_SZ, {}, L"乗定时 关机"},
        {std::wstring(L"   "), REG_EXPAND_SZ, {}, L""},
        {std::wstring(1023, L'a'), REG_SZ, {}, std::wstring(1023, L'a')},
        {std::wstring(1024, L'a'), REG_SZ, {}, L""},
        {std::wstring(511, L'关') + L"a", REG_MULTI_SZ, {}, std::wstring(511, L'关') + L"a"},
        {305419896.9, REG_DWORD, "\x78\x56\x34\x12", L"305419896"},
        {4294967295.0, REG_DWORD, "\xFF\xFF\xFF\xFF", L"4294967295"},
        {reg::Bytes{0x00, 0x0F, 0xA0, 0xFF}, REG_BINARY, std::string("\x00\x0F\xA0\xFF", 4), L"00 0F A0 FF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 12) + L"/" + std::to_wstring(c.type));
        const auto* textData = std::get_if<std::wstring>(&c.data);
        ASSERT_TRUE(Write(c.data, c.type));
        EXPECT_EQ(RawBytes(), textData != nullptr ? text::ToCodePage(*textData, 936) + '\0' : c.bytes);
        EXPECT_EQ(Read(kTestKey, c.type), c.text);
    }
}

TEST_F(Registry, OutOfRangeDwordsAndOtherTypesWriteNothing) {
    for (const double number : {-1.0, 4294967296.0}) {
        EXPECT_FALSE(Write(number, REG_DWORD)) << number;
        EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
    }
    for (const DWORD type : {0u, 5u, 6u, 11u}) {
        EXPECT_TRUE(Write(std::wstring(L"x"), type)) << type;
    }
    EXPECT_FALSE(RawBytes());
}

TEST_F(Registry, ValueIsReplacedThenDeletedOnce) {
    ASSERT_TRUE(Write(std::wstring(L"x"), REG_SZ));
    ASSERT_TRUE(Write(std::wstring(L"C:\\timer.exe /s"), REG_SZ));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_SUCCESS);
    EXPECT_EQ(Read(kTestKey, REG_SZ), L"C:\\timer.exe /s");

    EXPECT_TRUE(Delete(kTestKey));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_SUCCESS);
    EXPECT_EQ(Read(kTestKey, REG_SZ), L"");
    EXPECT_EQ(Read(kMissingKey, REG_DWORD), L"");

    for (const wchar_t* key : {kTestKey, kMissingKey}) {
        EXPECT_FALSE(Delete(key));
        EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
    }
}

#ifndef _WIN32

// Volatile keys are not modelled: the stand-in refuses them, so the key made here outlives a restart.
TEST_F(Registry, HostOnlyWithoutWriteRightsNothingChangesAndNothingIsRead) {
    ASSERT_TRUE(Write(7.0, REG_DWORD));
    hostenv::SetRegistryWritesDenied(true);
    EXPECT_FALSE(Write(std::wstring(L"y"), REG_SZ));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(Delete(kTestKey));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_ACCESS_DENIED);
    EXPECT_EQ(Read(kTestKey, REG_DWORD), L"") << "the read asks for write rights too";
    hostenv::SetRegistryWritesDenied(false);
    EXPECT_EQ(Read(kTestKey, REG_DWORD), L"7");
}

#endif

}  // namespace
