#include "system/reg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/codepage.h"

#ifndef _WIN32
#include "platform/host/registry_control.h"
#endif

namespace {

constexpr wchar_t kTestKeyParent[] = L"SOFTWARE\\TimerUnitTest";
// 乗 ends in the byte 0x5C in code page 936, the same byte as the separator.
constexpr wchar_t kTestKey[] = L"SOFTWARE\\TimerUnitTest\\乗定时\\子键";
constexpr wchar_t kTestValue[] = L"测试值";

// The raw bytes and type of a value, read past the module.
struct RawValue {
    LONG result;
    DWORD type;
    std::string bytes;
};

RawValue ReadRaw(const std::wstring& keyPath, const std::wstring& name) {
    HKEY key = nullptr;
    RawValue raw{RegOpenKeyExA(HKEY_LOCAL_MACHINE, text::ToAnsi(keyPath).c_str(), 0, KEY_READ, &key), REG_NONE, {}};
    if (raw.result != ERROR_SUCCESS) {
        return raw;
    }
    std::vector<BYTE> buffer(4096);
    auto size = static_cast<DWORD>(buffer.size());
    raw.result = RegQueryValueExA(key, text::ToAnsi(name).c_str(), nullptr, &raw.type, buffer.data(), &size);
    if (raw.result == ERROR_SUCCESS) {
        raw.bytes.assign(reinterpret_cast<const char*>(buffer.data()), size);
    }
    RegCloseKey(key);
    return raw;
}

bool KeyOpens(const std::wstring& keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, text::ToAnsi(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::wstring Read(const std::wstring& keyPath, const std::wstring& name, DWORD expected = REG_SZ) {
    DWORD type = expected;
    return reg::readRegistryValue(HKEY_LOCAL_MACHINE, keyPath, name, type);
}

class RegTest : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef _WIN32
        hostenv::ResetRegistry();
#endif
    }
    void TearDown() override {
        reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName);
#ifdef _WIN32
        const std::wstring paths[] = {kTestKey, L"SOFTWARE\\TimerUnitTest\\乗定时", kTestKeyParent};
        for (const auto& path : paths) {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, text::ToAnsi(path).c_str());
        }
#else
        EXPECT_EQ(hostenv::OpenRegistryKeyCount(), 0) << "a key was left open";
#endif
        EXPECT_EQ(reg::registryKeyHandle, nullptr);
    }
};

TEST(AutostartCommand, AddsASeparatorUnlessTheFolderIsADriveRoot) {
    const struct {
        const wchar_t* folder;
        const wchar_t* expected;
    } cases[] = {
        {L"D:\\工具\\乗定时", L"D:\\工具\\乗定时\\定时关机.exe /s"},
        {L"C:\\", L"C:\\定时关机.exe /s"},
        {L"C:", L"C:\\定时关机.exe /s"},
        {L"C:\\A", L"C:\\A\\定时关机.exe /s"},
        {L"\\\\srv\\share", L"\\\\srv\\share\\定时关机.exe /s"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reg::AutostartCommand(c.folder, L"定时关机"), c.expected) << c.folder;
    }
}

TEST(FormatHex8, GivesEightUpperCaseDigits) {
    const struct {
        double number;
        const wchar_t* expected;
    } cases[] = {
        {0, L"00000000"},         {10, L"0000000A"},           {255, L"000000FF"},          {4096, L"00001000"},
        {305419896, L"12345678"}, {3735928559.0, L"DEADBEEF"}, {4294967295.0, L"FFFFFFFF"}, {4294967296.0, L"00000000"},
        {10.9, L"0000000A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reg::formatHex8(c.number), c.expected) << c.number;
    }
}

TEST_F(RegTest, AutostartValueRoundTripsInCodePage936) {
    const std::wstring command = reg::AutostartCommand(L"D:\\工具\\乗定时", L"定时关机");
    ASSERT_TRUE(
        reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, command, REG_SZ));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_SUCCESS);

    const RawValue raw = ReadRaw(reg::kRunKeyPath, reg::kAutostartValueName);
    ASSERT_EQ(raw.result, ERROR_SUCCESS);
    EXPECT_EQ(raw.type, REG_SZ);
    EXPECT_EQ(raw.bytes, text::ToCodePage(command, 936) + '\0');

    DWORD type = REG_SZ;
    EXPECT_EQ(reg::readRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, type), command);
    EXPECT_EQ(type, REG_SZ);

    // Writing again replaces the data.
    const std::wstring other = reg::AutostartCommand(L"C:\\", L"timer");
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, other, REG_SZ));
    EXPECT_EQ(Read(reg::kRunKeyPath, reg::kAutostartValueName), L"C:\\timer.exe /s");
}

TEST_F(RegTest, DeleteRemovesTheValueButKeepsTheKey) {
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, L"x", REG_SZ));
    EXPECT_TRUE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_SUCCESS);
    EXPECT_EQ(ReadRaw(reg::kRunKeyPath, reg::kAutostartValueName).result, ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(KeyOpens(reg::kRunKeyPath));

    EXPECT_FALSE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TimerUnitTest\\无此键", kTestValue));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
}

TEST_F(RegTest, ReadOfSomethingMissingIsEmptyAndKeepsTheExpectedType) {
    DWORD type = REG_SZ;
    EXPECT_EQ(reg::readRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, type), L"");
    EXPECT_EQ(type, REG_SZ);
    type = REG_DWORD;
    EXPECT_EQ(reg::readRegistryValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TimerUnitTest\\无此键", kTestValue, type), L"");
    EXPECT_EQ(type, REG_DWORD);
}

TEST_F(RegTest, StringsAreTrimmedAndMustFitTheBuffer) {
    const struct {
        std::wstring data;
        std::wstring expected;
    } cases[] = {
        {L"  定时 关机  ", L"定时 关机"},
        {L"", L""},
        {L"   ", L""},
        {std::wstring(1023, L'a'), std::wstring(1023, L'a')},
        {std::wstring(1024, L'a'), L""},
        {std::wstring(511, L'关') + L"a", std::wstring(511, L'关') + L"a"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kTestKey, kTestValue, c.data, REG_SZ));
        EXPECT_EQ(Read(kTestKey, kTestValue), c.expected) << c.data.size();
    }
    // The first write created the missing parents.
    EXPECT_TRUE(KeyOpens(kTestKeyParent));
    EXPECT_TRUE(KeyOpens(L"SOFTWARE\\TimerUnitTest\\乗定时"));
}

TEST_F(RegTest, DwordValuesAreStoredLittleEndianAndReadInDecimal) {
    const struct {
        double number;
        const char* bytes;
        const wchar_t* text;
    } cases[] = {
        {0, "\x00\x00\x00\x00", L"0"},
        {1, "\x01\x00\x00\x00", L"1"},
        {305419896, "\x78\x56\x34\x12", L"305419896"},
        {4294967295.0, "\xFF\xFF\xFF\xFF", L"4294967295"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kTestKey, kTestValue, c.number, REG_DWORD));
        const RawValue raw = ReadRaw(kTestKey, kTestValue);
        EXPECT_EQ(raw.type, REG_DWORD);
        EXPECT_EQ(raw.bytes, std::string(c.bytes, 4)) << c.number;
        DWORD type = REG_DWORD;
        EXPECT_EQ(reg::readRegistryValue(HKEY_LOCAL_MACHINE, kTestKey, kTestValue, type), c.text);
        EXPECT_EQ(type, REG_DWORD);
    }
    for (const double number : {-1.0, 4294967296.0}) {
        EXPECT_FALSE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kTestKey, L"其他", number, REG_DWORD));
        EXPECT_EQ(reg::lastRegistryResult, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(ReadRaw(kTestKey, L"其他").result, ERROR_FILE_NOT_FOUND) << number;
    }
}

TEST_F(RegTest, BinaryValuesReadAsSpacedHexPairs) {
    const struct {
        std::vector<std::uint8_t> bytes;
        const wchar_t* text;
    } cases[] = {
        {{0x00, 0x0F, 0xA0, 0xFF}, L"00 0F A0 FF"},
        {{0x5C}, L"5C"},
        {{}, L""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kTestKey, kTestValue, c.bytes, REG_BINARY));
        EXPECT_EQ(ReadRaw(kTestKey, kTestValue).bytes, std::string(c.bytes.begin(), c.bytes.end()));
        EXPECT_EQ(Read(kTestKey, kTestValue, REG_BINARY), c.text);
    }
}

TEST_F(RegTest, UnsupportedTypesWriteNothingAndSucceed) {
    for (const DWORD type : {DWORD{REG_NONE}, DWORD{5}, DWORD{6}, DWORD{11}}) {
        EXPECT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kTestKey, kTestValue, L"x", type)) << type;
        EXPECT_EQ(ReadRaw(kTestKey, kTestValue).result, ERROR_FILE_NOT_FOUND) << type;
    }
}

#ifndef _WIN32

TEST_F(RegTest, HostOnlyKeyIsCreatedWithTheTypeAsClassAndInheritableAttributes) {
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, L"x", REG_SZ));
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kTestKey, kTestValue, 7.0, REG_DWORD));
    const auto& calls = hostenv::CreateKeyCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].className, L"1");
    EXPECT_EQ(calls[1].className, L"4");
    for (const auto& call : calls) {
        EXPECT_EQ(call.access, 0x2003Fu);
        EXPECT_EQ(call.options, 0u);
        EXPECT_EQ(call.securityLength, sizeof(void*) == 8 ? 24u : 12u);
        EXPECT_FALSE(call.securityDescriptor);
        EXPECT_TRUE(call.inheritHandle);
    }
}

TEST_F(RegTest, HostOnlyWithoutWriteRightsNothingChanges) {
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, L"x", REG_SZ));
    hostenv::SetRegistryWritesDenied(true);
    EXPECT_FALSE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, L"y", REG_SZ));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_ACCESS_DENIED);
    // The read asks for write rights too, so it fails as well.
    EXPECT_EQ(Read(reg::kRunKeyPath, reg::kAutostartValueName), L"");
    hostenv::SetRegistryWritesDenied(false);
    EXPECT_EQ(hostenv::RegistryValueOf(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName)->bytes,
              std::string("x\0", 2));
}

#endif

}  // namespace
