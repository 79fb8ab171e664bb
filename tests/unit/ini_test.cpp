// timer.ini through the ini module: the bytes a save leaves behind and what a read gives back. Runs against the
// host stand-in and against Wine; both must produce and read the same bytes.
#include "schedule/ini.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "schedule/schedule_model.h"
#include "support/temp_folder.h"
#include "platform/codepage.h"

namespace {

const std::wstring kShutdownSection =
    L"[关机]\r\n定时关机日期=\r\n定时关机时间=\r\n每天定时关机=23:00\r\n每周定时关机周几=\r\n每周定时关机时间=\r\n"
    L"每月定时关机日期=\r\n每月定时关机时间=\r\n每次开机X分钟关机=480\r\n";
const std::wstring kRestartSection =
    L"[重启]\r\n定时重启日期=\r\n定时重启时间=\r\n每天定时重启=\r\n每周定时重启周几=周三\r\n每周定时重启时间=08:30\r\n"
    L"每月定时重启日期=\r\n每月定时重启时间=\r\n每次开机X分钟重启=\r\n";

class Ini : public ::testing::Test {
  protected:
    std::wstring File() const { return ini::SettingsPath(folder_.path()); }
    std::string Bytes() const { return folder_.ReadBytes(L"timer.ini"); }

    // As the dialogs save: all eight keys emptied first, then the values of the triggers that are on.
    void SaveSection(Action action, const std::wstring (&values)[8]) const {
        const ActionKeys& k = KeysFor(action);
        const wchar_t* const keys[] = {k.onceDate,   k.onceTime,   k.dailyTime,   k.weeklyDay,
                                       k.weeklyTime, k.monthlyDay, k.monthlyTime, k.bootMinutes};
        for (const wchar_t* key : keys) {
            ASSERT_NE(ini::writeIniValue(File(), k.section, key, L""), 0);
        }
        for (std::size_t i = 0; i < 8; ++i) {
            if (!values[i].empty()) {
                ASSERT_NE(ini::writeIniValue(File(), k.section, keys[i], values[i]), 0);
            }
        }
    }

    testsupport::TempFolder folder_;
};

TEST(IniPath, JoinsWithoutLookingAtTheFolderEnd) {
    EXPECT_EQ(ini::SettingsPath(L"D:\\定时关机"), L"D:\\定时关机\\timer.ini");
    EXPECT_EQ(ini::SettingsPath(L"C:\\"), L"C:\\\\timer.ini");
}

TEST_F(Ini, SavesWriteTheExactBytesAndReadBack) {
    EXPECT_EQ(ini::readIniValue(File(), L"关机", L"每天定时关机"), L"");
    EXPECT_FALSE(folder_.Exists(L"timer.ini"));

    SaveSection(Action::Shutdown, {L"", L"", L"23:00", L"", L"", L"", L"", L"480"});
    const std::string shutdown = text::ToCodePage(kShutdownSection, text::kGbkCodePage);
    EXPECT_EQ(Bytes(), shutdown);
    SaveSection(Action::Restart, {L"", L"", L"", L"周三", L"08:30", L"", L"", L""});
    const std::string restart = text::ToCodePage(kRestartSection, text::kGbkCodePage);
    EXPECT_EQ(Bytes(), shutdown + restart);
    EXPECT_EQ(ini::readIniValue(File(), L"关机", L"每次开机x分钟关机"), L"480");
    EXPECT_EQ(ini::readIniValue(File(), L"重启", L"每周定时重启周几"), L"周三");
    EXPECT_EQ(ini::readIniValue(File(), L"重启", L"每天定时关机"), L"");

    // Switching the daily trigger off empties its value in place and leaves the other section alone.
    SaveSection(Action::Shutdown, {L"", L"", L"", L"", L"", L"", L"", L"480"});
    std::string expected = shutdown + restart;
    EXPECT_EQ(Bytes(), expected.erase(expected.find("23:00"), 5));
}

TEST_F(Ini, LongValuesAreCutToWholeCharacters) {
    const std::string gbkWord = "\xB9\xD8\xBB\xFA";  // 关机
    const std::pair<std::string, std::string> kCuts[] = {
        {std::string(300, '7'), std::string(254, '7')},
        {std::string(252, 'a') + gbkWord, std::string(252, 'a') + "\xB9\xD8"},
        // The 254th byte is the first half of a character: the half is not returned.
        {std::string(253, 'a') + gbkWord, std::string(253, 'a')},
    };
    for (const auto& [stored, read] : kCuts) {
        folder_.WriteBytes(L"timer.ini", "[S]\r\nk=" + stored + "\r\n");
        EXPECT_EQ(ini::readIniValue(File(), L"S", L"k"), text::FromCodePage(read, text::kGbkCodePage)) << stored.size();
    }
}

// 乗 = 81 5C, 乚 = 81 5D: a parser that works on bytes sees '\' and ']' in these names.
TEST_F(Ini, NamesWithTrailBytesBackslashAndBracket) {
    EXPECT_NE(ini::writeIniValue(File(), L"乗乚", L"乚", L"1"), 0);
    EXPECT_NE(ini::writeIniValue(File(), L"乗", L"乚", L"2"), 0);
    EXPECT_EQ(Bytes(), "[\x81\\\x81]]\r\n\x81]=1\r\n[\x81\\]\r\n\x81]=2\r\n");
    EXPECT_EQ(ini::readIniValue(File(), L"乗乚", L"乚"), L"1");
    EXPECT_EQ(ini::readIniValue(File(), L"乗", L"乚"), L"2");
}

TEST_F(Ini, WriteWithoutTheFolderReportsFailure) {
    const std::wstring file = ini::SettingsPath(folder_.path() + L"\\missing");
    EXPECT_EQ(ini::writeIniValue(file, L"关机", L"每天定时关机", L"23:00"), 0);
    EXPECT_EQ(ini::readIniValue(file, L"关机", L"每天定时关机"), L"");
}

}  // namespace
