#include "text/gbk_bytes.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A value cut inside a double-byte character loses the lead byte left alone; a tip keeps whole characters, its
// NUL, then blanks (时 = CA B1).
TEST(GbkBytes, CutsEndOnWholeCharacters) {
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"a\x80\xFF", 3}, {"\x81", 0}, {"\xB9\xD8\xFE", 2}, {"\xFE\x81", 2}, {"", 0}};
    for (const auto& [bytes, length] : cases) {
        EXPECT_EQ(text::WithoutLoneLeadByte(bytes), length) << length;
    }
    std::string tip = "a";
    for (int i = 0; i < 32; ++i) {
        tip += "\xCA\xB1";
    }
    EXPECT_EQ(text::PaddedField(tip, 64), tip.substr(0, 63) + '\0');
    EXPECT_EQ(text::PaddedField(tip.substr(1), 64), tip.substr(1, 62) + '\0' + ' ');
    EXPECT_EQ(text::PaddedField("ab", 5), std::string("ab\0  ", 5));
}

}  // namespace
