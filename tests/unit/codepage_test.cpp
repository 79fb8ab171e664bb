#include "text/codepage.h"

#include <gtest/gtest.h>

namespace {

struct CodePageCase {
    const wchar_t* wide;
    const char* gbk;
};

// Includes characters whose GBK trail byte is '\' (0x5C) or ']' (0x5D), which a byte-wise parser breaks.
const CodePageCase kCases[] = {
    {L"", ""},
    {L"timer.ini", "timer.ini"},
    {L"关机", "\xB9\xD8\xBB\xFA"},
    {L"澄屿定时关机", "\xB3\xCE\xD3\xEC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA"},
    {L"乗", "\x81\x5C"},
    {L"乚]", "\x81\x5D]"},
    {L"f黵r", "f\xFC\x72r"},
    {L"周三 08:30", "\xD6\xDC\xC8\xFD 08:30"},
};

TEST(CodePage, Gbk936RoundTripsEveryCase) {
    for (const auto& c : kCases) {
        EXPECT_EQ(text::ToCodePage(c.wide, text::kGbkCodePage), c.gbk) << "to 936";
        EXPECT_EQ(text::FromCodePage(c.gbk, text::kGbkCodePage), c.wide) << "from 936";
    }
}

TEST(CodePage, AnsiIsGbkOnTheTestMachines) {
    EXPECT_EQ(text::AnsiCodePage(), 936u);
    EXPECT_EQ(text::ToAnsi(L"澄屿定时关机").size(), 12u);
    EXPECT_EQ(text::FromAnsi("\xB9\xD8\xBB\xFA"), L"关机");
}

TEST(CodePage, Utf8IsAvailableForHostPaths) {
    EXPECT_EQ(text::ToCodePage(L"定时", 65001), "\xE5\xAE\x9A\xE6\x97\xB6");
    EXPECT_EQ(text::FromCodePage("\xE5\xAE\x9A\xE6\x97\xB6", 65001), L"定时");
}

}  // namespace
