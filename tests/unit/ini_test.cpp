// timer.ini through the ini module: the bytes a save leaves behind and what a read gives back. Runs against the
// host stand-in and against Wine; both must produce and read the same bytes.
#include "schedule/ini.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "schedule/schedule_model.h"
#include "support/temp_folder.h"
#include "text/codepage.h"

namespace {

// The file after the shutdown dialog was saved with the daily trigger at 23:00 and 480 minutes after start.
const std::string kShutdownExample =
    "[\xB9\xD8\xBB\xFA]\r\n"
    "\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xC8\xD5\xC6\xDA=\r\n"
    "\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xCA\xB1\xBC\xE4=\r\n"
    "\xC3\xBF\xCC\xEC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA=23:00\r\n"
    "\xC3\xBF\xD6\xDC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xD6\xDC\xBC\xB8=\r\n"
    "\xC3\xBF\xD6\xDC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xCA\xB1\xBC\xE4=\r\n"
    "\xC3\xBF\xD4\xC2\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xC8\xD5\xC6\xDA=\r\n"
    "\xC3\xBF\xD4\xC2\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xCA\xB1\xBC\xE4=\r\n"
    "\xC3\xBF\xB4\xCE\xBF\xAA\xBB\xFAX\xB7\xD6\xD6\xD3\xB9\xD8\xBB\xFA=480\r\n";

const std::wstring kRestartSection =
    L"[重启]\r\n定时重启日期=\r\n定时重启时间=\r\n每天定时重启=\r\n每周定时重启周几=周三\r\n每周定时重启时间=08:30\r\n"
    L"每月定时重启日期=\r\n每月定时重启时间=\r\n每次开机X分钟重启=\r\n";

std::vector<const wchar_t*> KeyList(const ActionKeys& k) {
    return {k.onceDate, k.onceTime, k.dailyTime, k.weeklyDay, k.weeklyTime, k.monthlyDay, k.monthlyTime, k.bootMinutes};
}

class Ini : public ::testing::Test {
  protected:
    std::wstring File() const { return ini::SettingsPath(folder_.path()); }

    // As the dialogs save: all eight keys emptied first, then the values of the triggers that are on.
    void SaveSection(Action action, const std::vector<std::wstring>& values) const {
        const ActionKeys& keys = KeysFor(action);
        for (const wchar_t* key : KeyList(keys)) {
            ASSERT_NE(ini::writeIniValue(File(), keys.section, key, L""), 0);
        }
        const std::vector<const wchar_t*> list = KeyList(keys);
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (!values[i].empty()) {
                ASSERT_NE(ini::writeIniValue(File(), keys.section, list[i], values[i]), 0);
            }
        }
    }

    testsupport::TempFolder folder_;
};

TEST(IniPath, JoinsWithoutLookingAtTheFolderEnd) {
    const struct {
        const wchar_t* folder;
        const wchar_t* path;
    } cases[] = {
        {L"D:\\Tools", L"D:\\Tools\\timer.ini"},
        {L"C:\\", L"C:\\\\timer.ini"},
        {L"D:\\定时关机", L"D:\\定时关机\\timer.ini"},
        {L"", L"\\timer.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini::SettingsPath(c.folder), c.path);
    }
}

TEST_F(Ini, SavesHaveTheDocumentedBytes) {
    SaveSection(Action::Shutdown, {L"", L"", L"23:00", L"", L"", L"", L"", L"480"});
    EXPECT_EQ(folder_.ReadBytes(L"timer.ini"), kShutdownExample);

    SaveSection(Action::Restart, {L"", L"", L"", L"周三", L"08:30", L"", L"", L""});
    const std::string restart = text::ToCodePage(kRestartSection, text::kGbkCodePage);
    EXPECT_EQ(folder_.ReadBytes(L"timer.ini"), kShutdownExample + restart);

    // Switching the daily trigger off again empties its value in place and leaves the restart section alone.
    SaveSection(Action::Shutdown, {L"", L"", L"", L"", L"", L"", L"", L"480"});
    std::string expected = kShutdownExample + restart;
    expected.erase(expected.find("23:00"), 5);
    EXPECT_EQ(folder_.ReadBytes(L"timer.ini"), expected);
}

TEST_F(Ini, ReadsTheValuesOfTheDocumentedFile) {
    EXPECT_EQ(ini::readIniValue(File(), L"关机", L"每天定时关机"), L"") << "no file yet";
    EXPECT_FALSE(folder_.Exists(L"timer.ini"));

    folder_.WriteBytes(L"timer.ini", kShutdownExample + text::ToCodePage(kRestartSection, text::kGbkCodePage));
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* value;
    } cases[] = {
        {L"关机", L"每天定时关机", L"23:00"},     {L"关机", L"每次开机x分钟关机", L"480"},
        {L"关机", L"定时关机日期", L""},          {L"重启", L"每周定时重启周几", L"周三"},
        {L"重启", L"每周定时重启时间", L"08:30"}, {L"重启", L"每天定时关机", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini::readIniValue(File(), c.section, c.key), c.value) << text::ToCodePage(c.key, 65001);
    }
}

TEST_F(Ini, LongValuesAreCutToWholeCharacters) {
    const std::string gbkWord = "\xB9\xD8\xBB\xFA";  // 关机
    const struct {
        std::string stored;
        std::string read;
    } cases[] = {
        {std::string(300, '7'), std::string(254, '7')},
        {std::string(254, 'a'), std::string(254, 'a')},
        {std::string(252, 'a') + gbkWord, std::string(252, 'a') + "\xB9\xD8"},
        // The 254th byte is the first half of a character: the half is not returned.
        {std::string(253, 'a') + gbkWord, std::string(253, 'a')},
    };
    for (const auto& c : cases) {
        folder_.WriteBytes(L"timer.ini", "[S]\r\nk=" + c.stored + "\r\n");
        EXPECT_EQ(ini::readIniValue(File(), L"S", L"k"), text::FromCodePage(c.read, text::kGbkCodePage))
            << c.stored.size();
    }
}

TEST_F(Ini, NamesWithTrailBytesBackslashAndBracket) {
    // 乗 = 81 5C, 乚 = 81 5D: a parser that works on bytes sees '\' and ']' in these names.
    EXPECT_NE(ini::writeIniValue(File(), L"乗乚", L"乚乗", L"1"), 0);
    EXPECT_NE(ini::writeIniValue(File(), L"乗", L"乚", L"2"), 0);
    EXPECT_NE(ini::writeIniValue(File(), L"乗乚", L"乗", L"3"), 0);
    EXPECT_EQ(folder_.ReadBytes(L"timer.ini"), "[\x81\\\x81]]\r\n\x81]\x81\\=1\r\n\x81\\=3\r\n[\x81\\]\r\n\x81]=2\r\n");
    EXPECT_EQ(ini::readIniValue(File(), L"乗乚", L"乚乗"), L"1");
    EXPECT_EQ(ini::readIniValue(File(), L"乗", L"乚"), L"2");
    EXPECT_EQ(ini::readIniValue(File(), L"乗乚", L"乗"), L"3");
    EXPECT_EQ(ini::readIniValue(File(), L"乗", L"乗"), L"");
}

TEST_F(Ini, WriteWithoutTheFolderReportsFailure) {
    const std::wstring file = ini::SettingsPath(folder_.path() + L"\\missing");
    EXPECT_EQ(ini::writeIniValue(file, L"关机", L"每天定时关机", L"23:00"), 0);
    EXPECT_EQ(ini::readIniValue(file, L"关机", L"每天定时关机"), L"");
}

}  // namespace
