#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace {

// The machines this runs on have 936 as their ANSI code page, so both calls must give the same bytes.
// 乗 and 乚 end in the bytes '\' (0x5C) and ']' (0x5D), which a byte-wise parser breaks on.
TEST(CodePage, GbkAndAnsiRoundTrip) {
    const struct {
        const wchar_t* wide;
        const char* gbk;
    } cases[] = {
        {L"", ""},
        {L"澄屿定时关机", "\xB3\xCE\xD3\xEC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA"},
        {L"乗乚]", "\x81\x5C\x81\x5D]"},
        {L"f黵r 08:30", "f\xFC\x72r 08:30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gbk);
        EXPECT_EQ(text::ToCodePage(c.wide, text::kGbkCodePage), c.gbk);
        EXPECT_EQ(text::FromCodePage(c.gbk, text::kGbkCodePage), c.wide);
        EXPECT_EQ(text::ToAnsi(c.wide), c.gbk);
        EXPECT_EQ(text::FromAnsi(c.gbk), c.wide);
    }
}

}  // namespace
