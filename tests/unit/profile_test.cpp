// The private-profile functions as the program relies on them. Every case runs against the host stand-in and,
// cross-compiled, against Wine's own functions, so the two cannot drift apart.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/codepage.h"
#include "platform/win32.h"
#include "support/temp_folder.h"

namespace {

constexpr wchar_t kFile[] = L"test.ini";

class Profile : public ::testing::Test {
  protected:
    std::string Path(const std::wstring& name = kFile) const { return text::ToAnsi(folder_.path() + L"\\" + name); }

    // What a read as the program makes it leaves in the buffer; the call must count exactly that.
    std::string Read(const char* section, const char* key) const {
        std::string buffer(256, '#');
        const DWORD copied = GetPrivateProfileStringA(section, key, "", buffer.data(), 255, Path().c_str());
        std::string value = buffer.substr(0, buffer.find('\0'));
        EXPECT_EQ(copied, value.size()) << section << " " << key;
        return value;
    }

    testsupport::TempFolder folder_;
};

// What the case shows, the file, the section and key read, the value read.
const char* const kReadCases[][5] = {
    {"ascii case ignored", "[Sec]\r\nKey=v\r\n", "sEC", "kEY", "v"},
    {"case inside gbk key", "[\xB9\xD8]\r\n\xBF\xAA\xBB\xFAX=480\r\n", "\xB9\xD8", "\xBF\xAA\xBB\xFAx", "480"},
    {"blanks trimmed", "[ S ]\r\n \t k \t= \t v a l \t \r\n", "S", "k", "v a l"},
    {"double quotes dropped", "[S]\r\nk = \" a \" \r\n", "S", "k", " a "},
    {"first of a repeated key", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "1"},
    {"bare LF and CR lines", "[S]\nk=1\r[T]\rm=2\n", "T", "m", "2"},
    // 乗 = 81 5C, 乚 = 81 5D: a byte-wise parser sees '\' and ']' in these names.
    {"trail bytes", "[\x81\x5C\x81\x5D]\r\n\x81\x5D\x81\x5C=a\r\n[\x81\x5C]\r\n\x81\x5D=b\r\n", "\x81\x5C", "\x81\x5D",
     "b"},
    {"5D ends no section", "[\x81\x5C\x81\x5D]\r\n\x81\x5D\x81\x5C=a\r\n", "\x81\x5C\x81\x5D", "\x81\x5D\x81\x5C", "a"},
};

TEST_F(Profile, ReadsTheStoredValue) {
    for (const auto& [name, file, section, key, expected] : kReadCases) {
        folder_.WriteBytes(kFile, file);
        EXPECT_EQ(Read(section, key), expected) << name;
    }
}

// A value cut short counts 254 bytes (the NUL follows them), even when a double-byte character leaves the byte
// before that NUL unwritten; a line of a megabyte is no different.
TEST_F(Profile, LongValuesAreCutToWholeCharactersWithinTheBuffer) {
    const std::string gbkWord = "\xB9\xD8\xBB\xFA";  // 关机
    const std::pair<std::string, std::string> cuts[] = {
        {std::string(252, 'a') + gbkWord, std::string(252, 'a') + "\xB9\xD8"},
        {std::string(253, 'a') + gbkWord, std::string(253, 'a') + "#"},
        {std::string(1 << 20, 'a'), std::string(254, 'a')},
    };
    for (const auto& [stored, read] : cuts) {
        folder_.WriteBytes(kFile, "[S]\r\nk=" + stored + "\r\n");
        EXPECT_EQ(Read("S", "k"), read) << stored.size();
    }
}

// What the case shows, the file before (nullptr: none), the section, key and value written, the file after.
const char* const kWriteCases[][6] = {
    {"file created", nullptr, "S", "k", "", "[S]\r\nk=\r\n"},
    {"replaced in place", "[Sec]\r\nKey=1\r\nz=2\r\n", "SEC", "KEY", "3", "[Sec]\r\nKey=3\r\nz=2\r\n"},
    {"key appended", "[A]\r\nk=1\r\n[B]\r\nm=0\r\n", "a", "j", "7", "[A]\r\nk=1\r\nj=7\r\n[B]\r\nm=0\r\n"},
    {"trail bytes", "[\x81\x5C]\r\n\x81\x5D=1\r\n", "\x81\x5C\x81\x5D", "\x81\x5D", "2",
     "[\x81\x5C]\r\n\x81\x5D=1\r\n[\x81\x5C\x81\x5D]\r\n\x81\x5D=2\r\n"},
};

TEST_F(Profile, WritesTheWholeFileBack) {
    for (const auto& [name, before, section, key, value, after] : kWriteCases) {
        const std::wstring file = text::FromAnsi(name) + L".ini";
        if (before != nullptr) {
            folder_.WriteBytes(file, before);
        }
        EXPECT_NE(WritePrivateProfileStringA(section, key, value, Path(file).c_str()), FALSE) << name;
        EXPECT_EQ(folder_.ReadBytes(file), after) << name;
    }
}

// A NUL ends the name, value or section name it stands in, not its line. The lines a write keeps decide whether
// the bytes of the UTF-8 mark (锘 = EF BB, 勘 = BF B1) come to the head of the file: the next read then takes
// the file for UTF-8 and no longer finds the GBK section 关 = B9 D8. A blank before the NUL in a header names
// another section until the rewrite trims it; then that section is found first and the value written is lost.
TEST_F(Profile, NulEndsANameNotItsLine) {
    using namespace std::string_literals;
    const std::string kCases[][4] = {
        {"\0a=1\r\n\xEF\xBB\xBF\xB1=2\r\n[\xB9\xD8\0b]\r\nk\0c=3\0d\r\n[\0e]\r\nj=5\r\n"s, "3",
         "=1\r\n\xEF\xBB\xBF\xB1=2\r\n[\xB9\xD8]\r\nk=3\r\nm=4\r\nj=5\r\n", "4"},
        {"\r\n\xEF\xBB\xBF\xB1=2\r\n[\xB9\xD8]\r\nk=3\r\n", "3", "\xEF\xBB\xBF\xB1=2\r\n[\xB9\xD8]\r\nk=3\r\nm=4\r\n",
         ""},
        {"[\xB9\xD8\t\0]\r\nk=3\r\n"s, "", "[\xB9\xD8\t]\r\nk=3\r\n[\xB9\xD8]\r\nm=4\r\n", ""},
    };
    for (const auto& [before, readK, after, read] : kCases) {
        folder_.WriteBytes(kFile, before);
        EXPECT_EQ(Read("\xB9\xD8", "k"), readK);
        EXPECT_NE(WritePrivateProfileStringA("\xB9\xD8", "m", "4", Path().c_str()), FALSE);
        EXPECT_EQ(folder_.ReadBytes(kFile), after) << before.size();
        EXPECT_EQ(Read("\xB9\xD8", "m"), read);
    }
}

}  // namespace
