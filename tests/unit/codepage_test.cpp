#include "text/codepage.h"

#include <gtest/gtest.h>

namespace {

// 乗 and 乚 have the trail bytes '\' (0x5C) and ']' (0x5D), which a byte-wise parser breaks.
const struct {
    const wchar_t* wide;
    const char* gbk;
} kCases[] = {
    {L"", ""},
    {L"timer.ini", "timer.ini"},
    {L"澄屿定时关机", "\xB3\xCE\xD3\xEC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA"},
    {L"乗", "\x81\x5C"},
    {L"乚]", "\x81\x5D]"},
    {L"f黵r", "f\xFC\x72r"},
    {L"周三 08:30", "\xD6\xDC\xC8\xFD 08:30"},
};

// The test machines' ANSI code page is 936, so the ANSI calls must give the same bytes.
TEST(CodePage, GbkAndAnsiRoundTripEveryCase) {
    ASSERT_EQ(text::AnsiCodePage(), 936u);
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.gbk);
        EXPECT_EQ(text::ToCodePage(c.wide, text::kGbkCodePage), c.gbk);
        EXPECT_EQ(text::FromCodePage(c.gbk, text::kGbkCodePage), c.wide);
        EXPECT_EQ(text::ToAnsi(c.wide), c.gbk);
        EXPECT_EQ(text::FromAnsi(c.gbk), c.wide);
    }
}

TEST(CodePage, Utf8IsAvailableForHostPaths) {
    EXPECT_EQ(text::ToCodePage(L"定时", 65001), "\xE5\xAE\x9A\xE6\x97\xB6");
    EXPECT_EQ(text::FromCodePage("\xE5\xAE\x9A\xE6\x97\xB6", 65001), L"定时");
}

}  // namespace
