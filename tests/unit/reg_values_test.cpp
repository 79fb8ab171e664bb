#include "system/reg_values.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The tests' texts are ASCII, so a code page is no matter here; the real one is the shell's.
std::string Narrow(std::wstring_view wide) {
    std::string bytes;
    for (const wchar_t c : wide) {
        bytes += static_cast<char>(c);
    }
    return bytes;
}

std::wstring Widen(std::string_view bytes) {
    return {bytes.begin(), bytes.end()};
}

// Strings go out with their NUL and come back without it, trimmed of spaces; numbers outside 0 to 4294967295
// and data of another kind than the type store nothing.
TEST(RegistryValues, BytesStoredAndTextReadBack) {
    // The data and type written; the bytes stored (nullopt: the write is refused); the text read from them.
    const std::tuple<reg::RegistryData, std::uint32_t, std::optional<std::string>, std::wstring> cases[] = {
        {L" \t a b  ", reg::kString, std::string(" \t a b  \0", 9), L"\t a b"},
        {L"   ", reg::kExpandString, std::string("   \0", 4), L""},
        {L"x", reg::kMultiString, std::string("x\0", 2), L"x"},
        {305419896.9, reg::kNumber, "\x78\x56\x34\x12", L"305419896"},
        {4294967295.0, reg::kNumber, "\xFF\xFF\xFF\xFF", L"4294967295"},
        {0.0, reg::kNumber, std::string(4, '\0'), L"0"},
        {-1.0, reg::kNumber, std::nullopt, L""},
        {4294967296.0, reg::kNumber, std::nullopt, L""},
        {reg::Bytes{0x00, 0x0F, 0xA0, 0xFF}, reg::kBinary, std::string("\x00\x0F\xA0\xFF", 4), L"00 0F A0 FF"},
        {reg::Bytes{0x41}, reg::kString, std::nullopt, L""},
        {L"7", reg::kNumber, std::nullopt, L""},
    };
    for (const auto& [data, type, bytes, text] : cases) {
        EXPECT_EQ(reg::ValueBytes(data, type, &Narrow), bytes);
        if (bytes) {
            EXPECT_EQ(reg::ValueText(type, *bytes + "    ", static_cast<std::uint32_t>(bytes->size()), &Widen), text);
        }
    }
    EXPECT_EQ(reg::ValueText(reg::kString, "abc", 0, &Widen), L"");
    EXPECT_EQ(reg::ValueText(5, "abc\0", 4, &Widen), L"");
    for (std::uint32_t type = 0; type <= 11; ++type) {
        EXPECT_EQ(reg::StoresType(type), type >= 1 && type <= 7 && type != 5 && type != 6) << type;
    }
    EXPECT_EQ(reg::formatHex8(171), L"000000AB");
    EXPECT_EQ(reg::formatHex8(4294967295.0), L"FFFFFFFF");
}

}  // namespace
