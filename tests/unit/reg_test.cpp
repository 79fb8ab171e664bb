#include "system/reg.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "platform/codepage.h"
#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace {

// 乗 ends in the byte 0x5C in code page 936, the same byte as the separator.
const std::wstring kKey = L"SOFTWARE\\TimerUnitTest\\乗定时", kMissingKey = L"SOFTWARE\\TimerUnitTest\\无此键",
                   kName = L"测试值";

// The value's bytes read past the module, or "-" when it is missing.
std::string RawBytes() {
    HKEY key = nullptr;
    std::string buffer(4096, '\0');
    DWORD size = 4096;
    const bool found =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, text::ToAnsi(kKey).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS &&
        RegQueryValueExA(key, text::ToAnsi(kName).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found ? buffer.substr(0, size) : "-";
}

// Reads the value, asking for REG_SZ, then deletes it: the text and the type found, what the delete answered.
std::tuple<std::wstring, DWORD, bool, LONG> ReadAndDelete(const std::wstring& keyPath) {
    DWORD type = REG_SZ;
    const std::wstring text = reg::readRegistryValue(HKEY_LOCAL_MACHINE, keyPath, kName, type);
    const bool deleted = reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, keyPath, kName);
    return {text, type, deleted, reg::lastRegistryResult};
}

// Strings go out in code page 936 with their NUL, come back trimmed, and must fit the 1024-byte buffer (the
// kanji row's 1023 bytes do); numbers outside 0 to 4294967295, data of another type and the types 0, 5, 6 and
// 11 write nothing. Each value is deleted once after it is checked.
TEST(Registry, ValuesAreStoredAsTheirTypeReadBackAsTextAndDeleted) {
    const std::wstring kanji = std::wstring(511, L'关') + L"a";
    // The data and type written, whether the write succeeds, the bytes stored ("-": none), the text read.
    const std::tuple<reg::RegistryData, DWORD, bool, std::string, std::wstring> cases[] = {
        {L"  乗定时 关机  ", REG_SZ, true, text::ToCodePage(L"  乗定时 关机  ", 936) + '\0', L"乗定时 关机"},
        {L"   ", REG_EXPAND_SZ, true, std::string("   \0", 4), L""},
        {std::wstring(1024, L'a'), REG_SZ, true, std::string(1024, 'a') + '\0', L""},
        {kanji, REG_MULTI_SZ, true, text::ToCodePage(kanji, 936) + '\0', kanji},
        {305419896.9, REG_DWORD, true, "\x78\x56\x34\x12", L"305419896"},
        {4294967295.0, REG_DWORD, true, "\xFF\xFF\xFF\xFF", L"4294967295"},
        {0.0, REG_DWORD, true, std::string(4, '\0'), L"0"},
        {-1.0, REG_DWORD, false, "-", L""},
        {4294967296.0, REG_DWORD, false, "-", L""},
        {reg::Bytes{0x00, 0x0F, 0xA0, 0xFF}, REG_BINARY, true, std::string("\x00\x0F\xA0\xFF", 4), L"00 0F A0 FF"},
        {reg::Bytes{0x41}, REG_SZ, false, "-", L""},
        {L"x", 0, true, "-", L""},
        {L"x", 5, true, "-", L""},
        {L"x", 6, true, "-", L""},
        {L"x", 11, true, "-", L""},
    };
    for (const auto& [data, type, written, bytes, text] : cases) {
        EXPECT_EQ(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kKey, kName, data, type), written);
        EXPECT_EQ(reg::lastRegistryResult, written ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(RawBytes(), bytes);
        const bool stored = bytes != "-";
        EXPECT_EQ(ReadAndDelete(kKey),
                  std::tuple(text, stored ? type : REG_SZ, stored, stored ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND));
    }
    EXPECT_EQ(reg::formatHex8(305419896.9), L"12345678");
    EXPECT_EQ(ReadAndDelete(kMissingKey), std::tuple(L"", REG_SZ, false, ERROR_FILE_NOT_FOUND));
#ifdef _WIN32
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TimerUnitTest");
#else
    // Without administrator rights nothing can be written, and the read asks for write rights too.
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kKey, kName, 7.0, REG_DWORD));
    hostenv::SetRegistryWritesDenied(true);
    EXPECT_FALSE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, kKey, kName, L"y", REG_SZ));
    EXPECT_EQ(reg::lastRegistryResult, ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadAndDelete(kKey), std::tuple(L"", REG_SZ, false, ERROR_ACCESS_DENIED));
    EXPECT_EQ(hostenv::OpenRegistryKeyCount(), 0) << "a key was left open";
#endif
}

}  // namespace
