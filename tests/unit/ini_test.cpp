// timer.ini through the ini module, the same against the host stand-in and against the real functions.
#include "schedule/ini.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/codepage.h"
#include "support/temp_folder.h"

namespace {

std::string Gbk(const std::wstring& text) {
    return text::ToCodePage(text, text::kGbkCodePage);
}

TEST(Ini, WritesInGbkKeepsEmptyValuesAndReportsFailure) {
    const testsupport::TempFolder folder;
    const std::wstring file = ini::SettingsPath(folder.path());
    EXPECT_EQ(ini::readIniValue(file, L"关机", L"每天定时关机"), L"");
    for (const auto& [key, value] : {std::pair{L"每周定时重启周几", L"周三"}, {L"每天定时重启", L""}}) {
        EXPECT_NE(ini::writeIniValue(file, L"重启", key, L"x"), 0);
        EXPECT_NE(ini::writeIniValue(file, L"重启", key, value), 0);
    }
    EXPECT_EQ(folder.ReadBytes(L"timer.ini"), Gbk(L"[重启]\r\n每周定时重启周几=周三\r\n每天定时重启=\r\n"));
    EXPECT_EQ(ini::readIniValue(file, L"重启", L"每周定时重启周几"), L"周三");
    EXPECT_EQ(ini::writeIniValue(ini::SettingsPath(folder.path() + L"\\missing"), L"关机", L"k", L"1"), 0);
}

// The platform counts 254 bytes of a value cut inside a character, one of them left unwritten; a lead byte
// (0x81 to 0xFE) left alone at the end is dropped.
TEST(Ini, LongValuesAreCutToWholeCharacters) {
    const std::pair<std::string_view, std::size_t> cases[] = {{"a\x80\xFF", 3}, {"\x81", 0}, {"\xB9\xD8\xFE", 2}};
    for (const auto& [bytes, length] : cases) {
        EXPECT_EQ(ini::WithoutLoneLeadByte(bytes), length) << length;
    }
    const testsupport::TempFolder folder;
    for (const auto& [stored, read] : {std::pair{std::string(300, '7'), std::string(254, '7')},
                                       {std::string(253, 'a') + Gbk(L"关机"), std::string(253, 'a')}}) {
        folder.WriteBytes(L"timer.ini", "[S]\r\nk=" + stored + "\r\n");
        EXPECT_EQ(text::ToAnsi(ini::readIniValue(ini::SettingsPath(folder.path()), L"S", L"k")), read);
    }
}

}  // namespace
