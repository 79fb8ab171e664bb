#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace {

// The machines this runs on have 936 as their ANSI code page, so both calls must give the same bytes.
// 乗 and 乚 end in the bytes '\' (0x5C) and ']' (0x5D), which a byte-wise parser breaks on.
TEST(CodePage, GbkAndAnsiRoundTrip) {
    const std::wstring wide = L"澄屿乗乚]f黵r 08:30";
    const std::string gbk = "\xB3\xCE\xD3\xEC\x81\x5C\x81\x5D]f\xFC\x72r 08:30";
    EXPECT_EQ(text::ToCodePage(wide, text::kGbkCodePage), gbk);
    EXPECT_EQ(text::FromCodePage(gbk, text::kGbkCodePage), wide);
    EXPECT_EQ(text::ToAnsi(wide), gbk);
    EXPECT_EQ(text::FromAnsi(gbk), wide);
}

}  // namespace
