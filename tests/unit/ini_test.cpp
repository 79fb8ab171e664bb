// timer.ini through the ini module, the same against the host stand-in and against the real functions.
#include "schedule/ini.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/codepage.h"
#include "support/temp_folder.h"

namespace {

std::string Gbk(const std::wstring& text) {
    return text::ToCodePage(text, text::kGbkCodePage);
}

TEST(Ini, WritesInGbkKeepsEmptyValuesAndReadsBackExactly) {
    const testsupport::TempFolder folder;
    const std::wstring file = ini::SettingsPath(folder.path());
    EXPECT_EQ(ini::SettingsPath(L"C:\\"), L"C:\\\\timer.ini") << "the folder's end is not looked at";
    EXPECT_EQ(ini::readIniValue(file, L"关机", L"每天定时关机"), L"");
    EXPECT_FALSE(folder.Exists(L"timer.ini"));

    for (const auto& [key, value] : {std::pair{L"每周定时重启周几", L"周三"}, {L"每天定时重启", L""}}) {
        EXPECT_NE(ini::writeIniValue(file, L"重启", key, L"x"), 0);
        EXPECT_NE(ini::writeIniValue(file, L"重启", key, value), 0);
    }
    EXPECT_EQ(folder.ReadBytes(L"timer.ini"), Gbk(L"[重启]\r\n每周定时重启周几=周三\r\n每天定时重启=\r\n"));
    EXPECT_EQ(ini::readIniValue(file, L"重启", L"每周定时重启周几"), L"周三");
    EXPECT_EQ(ini::readIniValue(file, L"重启", L"每天定时重启"), L"");
    EXPECT_EQ(ini::readIniValue(file, L"关机", L"每天定时重启"), L"");
}

TEST(Ini, LongValuesAreCutToWholeCharacters) {
    const testsupport::TempFolder folder;
    const std::string gbkWord = Gbk(L"关机");
    const std::pair<std::string, std::string> cuts[] = {
        {std::string(300, '7'), std::string(254, '7')},
        {std::string(252, 'a') + gbkWord, std::string(252, 'a') + gbkWord.substr(0, 2)},
        // The 254th byte is the first half of a character: the half is not returned.
        {std::string(253, 'a') + gbkWord, std::string(253, 'a')},
    };
    for (const auto& [stored, read] : cuts) {
        folder.WriteBytes(L"timer.ini", "[S]\r\nk=" + stored + "\r\n");
        EXPECT_EQ(ini::readIniValue(ini::SettingsPath(folder.path()), L"S", L"k"),
                  text::FromCodePage(read, text::kGbkCodePage))
            << stored.size();
    }
}

TEST(Ini, WriteWithoutTheFolderReportsFailure) {
    const testsupport::TempFolder folder;
    const std::wstring file = ini::SettingsPath(folder.path() + L"\\missing");
    EXPECT_EQ(ini::writeIniValue(file, L"关机", L"每天定时关机", L"23:00"), 0);
    EXPECT_EQ(ini::readIniValue(file, L"关机", L"每天定时关机"), L"");
    EXPECT_FALSE(folder.Exists(L"missing"));
}

}  // namespace
