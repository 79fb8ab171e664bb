// The private-profile functions as the program relies on them. Every case runs against the host stand-in and,
// cross-compiled, against Wine's own functions, so the two cannot drift apart.
#include <gtest/gtest.h>

#include <string>

#include "platform/codepage.h"
#include "platform/win32.h"
#include "support/temp_folder.h"

namespace {

constexpr wchar_t kFile[] = L"test.ini";

class Profile : public ::testing::Test {
  protected:
    std::string Path() const { return text::ToAnsi(folder_.path() + L"\\" + kFile); }

    // What a read as the program makes it leaves in the buffer; the call must count exactly that.
    std::string Read(const char* section, const char* key) const {
        std::string buffer(256, '#');
        const DWORD copied = GetPrivateProfileStringA(section, key, "", buffer.data(), 255, Path().c_str());
        std::string value = buffer.substr(0, buffer.find('\0'));
        EXPECT_EQ(copied, value.size());
        return value;
    }

    testsupport::TempFolder folder_;
};

// A value cut short counts 254 bytes (the NUL follows them), even when a double-byte character leaves the byte
// before that NUL unwritten (关机 = B9 D8 BB FA); a line of a megabyte is no different.
TEST_F(Profile, ReadsTheStoredValue) {
    // The file, the section and key read, the value read.
    const std::string kCases[][4] = {
        {"[Sec]\r\nKey=v\r\n", "sEC", "kEY", "v"},
        {"[\xB9\xD8]\r\n\xBF\xAA\xBB\xFAX=480\r\n", "\xB9\xD8", "\xBF\xAA\xBB\xFAx", "480"},  // case inside a GBK key
        {"[ S ]\r\n \t k \t= \t v a l \t \r\n", "S", "k", "v a l"},
        {"[S]\r\nk = \" a \" \r\n", "S", "k", " a "},
        {"[S]\r\nk=1\r\nk=2\r\n", "S", "k", "1"},
        {"[S]\nk=1\r[T]\rm=2\n", "T", "m", "2"},
        // 乗 = 81 5C, 乚 = 81 5D: a byte-wise parser sees '\' and ']' in these names.
        {"[\x81\x5C\x81\x5D]\r\n\x81\x5D\x81\x5C=a\r\n[\x81\x5C]\r\n\x81\x5D=b\r\n", "\x81\x5C", "\x81\x5D", "b"},
        {"[\x81\x5C\x81\x5D]\r\n\x81\x5D\x81\x5C=a\r\n", "\x81\x5C\x81\x5D", "\x81\x5D\x81\x5C", "a"},
        {"[S]\r\nk=" + std::string(252, 'a') + "\xB9\xD8\xBB\xFA\r\n", "S", "k", std::string(252, 'a') + "\xB9\xD8"},
        {"[S]\r\nk=" + std::string(253, 'a') + "\xB9\xD8\xBB\xFA\r\n", "S", "k", std::string(253, 'a') + "#"},
        {"[S]\r\nk=" + std::string(1 << 20, 'a') + "\r\n", "S", "k", std::string(254, 'a')},
    };
    for (const auto& [file, section, key, expected] : kCases) {
        folder_.WriteBytes(kFile, file);
        EXPECT_EQ(Read(section.c_str(), key.c_str()), expected);
    }
}

// The file before, the section, key and value written, the file after.
TEST_F(Profile, WritesTheWholeFileBack) {
    const char* const kCases[][5] = {
        {"[Sec]\r\nKey=1\r\nz=2\r\n", "SEC", "KEY", "3", "[Sec]\r\nKey=3\r\nz=2\r\n"},
        {"[A]\r\nk=1\r\n[B]\r\nm=0\r\n", "a", "j", "7", "[A]\r\nk=1\r\nj=7\r\n[B]\r\nm=0\r\n"},
        {"[\x81\x5C]\r\n\x81\x5D=1\r\n", "\x81\x5C\x81\x5D", "\x81\x5D", "2",
         "[\x81\x5C]\r\n\x81\x5D=1\r\n[\x81\x5C\x81\x5D]\r\n\x81\x5D=2\r\n"},
    };
    for (const auto& [before, section, key, value, after] : kCases) {
        folder_.WriteBytes(kFile, before);
        EXPECT_NE(WritePrivateProfileStringA(section, key, value, Path().c_str()), FALSE);
        EXPECT_EQ(folder_.ReadBytes(kFile), after);
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
