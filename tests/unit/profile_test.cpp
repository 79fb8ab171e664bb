// The private-profile functions as the program relies on them. Every case runs against the host stand-in and,
// cross-compiled, against Wine's own functions, so the two cannot drift apart.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"
#include "support/temp_folder.h"
#include "text/codepage.h"

namespace {

constexpr wchar_t kFile[] = L"test.ini";

class Profile : public ::testing::Test {
  protected:
    std::string Path(const std::wstring& name = kFile) const { return text::ToAnsi(folder_.path() + L"\\" + name); }

    std::string Read(const char* section, const char* key, DWORD size = 255, DWORD* copied = nullptr) const {
        std::string buffer(size + 1, '#');
        const DWORD count = GetPrivateProfileStringA(section, key, "", buffer.data(), size, Path().c_str());
        if (copied != nullptr) {
            *copied = count;
        }
        return buffer.substr(0, buffer.find('\0'));
    }

    BOOL Write(const char* section, const char* key, const char* value) const {
        return WritePrivateProfileStringA(section, key, value, Path().c_str());
    }

    testsupport::TempFolder folder_;
};

struct ReadCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
};

const ReadCase kReadCases[] = {
    {"plain", "[S]\r\nk=v\r\n", "S", "k", "v"},
    {"ascii case ignored", "[Sec]\r\nKey=v\r\n", "sEC", "kEY", "v"},
    {"case inside gbk key", "[\xB9\xD8\xBB\xFA]\r\n\xBF\xAA\xBB\xFAX=480\r\n", "\xB9\xD8\xBB\xFA", "\xBF\xAA\xBB\xFAx",
     "480"},
    {"greek case not folded", "[\xA6\xA1]\r\nk=v\r\n", "\xA6\xC1", "k", ""},
    {"blanks trimmed", "[ S ]\r\n \t k \t= \t v a l \t \r\n", "S", "k", "v a l"},
    {"ideographic space kept", "[S]\r\nk=\xA1\xA1v\xA1\xA1\r\n", "S", "k", "\xA1\xA1v\xA1\xA1"},
    {"double quotes dropped", "[S]\r\nk = \" a \" \r\n", "S", "k", " a "},
    {"single quotes dropped", "[S]\r\nk='a'\r\n", "S", "k", "a"},
    {"unmatched quote kept", "[S]\r\nk='a\"\r\n", "S", "k", "'a\""},
    {"equals in value", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
    {"empty value", "[S]\r\nk=\r\nm=1\r\n", "S", "k", ""},
    {"line without equals", "[S]\r\nk\r\n", "S", "k", ""},
    {"first of a repeated key", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "1"},
    {"first of a repeated section", "[S]\r\nk=1\r\n[T]\r\n[s]\r\nk=2\r\nj=3\r\n", "S", "j", ""},
    {"keys above the first section", "k=0\r\n[S]\r\nk=1\r\n", "S", "k", "1"},
    {"last bracket closes", "[E]]\r\nk=5\r\n", "E]", "k", "5"},
    {"text after the bracket", "[S] note\r\nk=1\r\n", "S", "k", "1"},
    {"unclosed bracket is no section", "[S]\r\nk=1\r\n[T\r\nm=2\r\n", "T", "m", ""},
    {"bare LF and CR lines", "[S]\nk=1\r[T]\rm=2\n", "T", "m", "2"},
    {"missing section", "[S]\r\nk=1\r\n", "T", "k", ""},
    {"missing key", "[S]\r\nk=1\r\n", "S", "m", ""},
    {"trail byte 5C and 5D in names", "[\x81\x5C\x81\x5D]\r\n\x81\x5D\x81\x5C=a\r\n[\x81\x5C]\r\n\x81\x5D=b\r\n",
     "\x81\x5C", "\x81\x5D", "b"},
    {"trail byte 5D ends no section", "[\x81\x5C\x81\x5D]\r\n\x81\x5D\x81\x5C=a\r\n", "\x81\x5C\x81\x5D",
     "\x81\x5D\x81\x5C", "a"},
};

TEST_F(Profile, ReadsTheStoredValue) {
    for (const ReadCase& c : kReadCases) {
        folder_.WriteBytes(kFile, c.file);
        DWORD copied = 0;
        EXPECT_EQ(Read(c.section, c.key, 255, &copied), c.expected) << c.name;
        EXPECT_EQ(copied, std::string(c.expected).size()) << c.name;
    }
}

TEST_F(Profile, MissingFileReadsAsTheDefault) {
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer, 8, Path().c_str()), 4u);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_FALSE(folder_.Exists(kFile));
}

TEST_F(Profile, ValueIsCutToTheBuffer) {
    folder_.WriteBytes(kFile, "[S]\r\nk=0123456789\r\n");
    const struct {
        DWORD size;
        const char* expected;
    } cases[] = {{1, ""}, {2, "0"}, {10, "012345678"}, {11, "0123456789"}, {255, "0123456789"}};
    for (const auto& c : cases) {
        DWORD copied = 99;
        EXPECT_EQ(Read("S", "k", c.size, &copied), c.expected) << c.size;
        EXPECT_EQ(copied, std::string(c.expected).size()) << c.size;
    }
}

struct WriteCase {
    const char* name;
    const char* before;  // nullptr: no file yet
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

const WriteCase kWriteCases[] = {
    {"creates the file", nullptr, "S", "k", "", "[S]\r\nk=\r\n"},
    {"empty file", "", "S", "k", "1", "[S]\r\nk=1\r\n"},
    {"replaces in place, keeps the spelling", "[Sec]\r\nKey=1\r\nz=2\r\n", "SEC", "KEY", "3",
     "[Sec]\r\nKey=3\r\nz=2\r\n"},
    {"appends a key at the end of its section", "[A]\r\nk=1\r\n[B]\r\nm=0\r\n", "a", "j", "7",
     "[A]\r\nk=1\r\nj=7\r\n[B]\r\nm=0\r\n"},
    {"appends a section without a blank line", "[A]\r\nk=1\r\n", "B", "m", "", "[A]\r\nk=1\r\n[B]\r\nm=\r\n"},
    {"writes to the first of repeated sections", "[A]\r\nk=1\r\n[a]\r\nk=2\r\n", "A", "n", "5",
     "[A]\r\nk=1\r\nn=5\r\n[a]\r\nk=2\r\n"},
    {"normalises layout", "; note\r\n\r\n[ S ]\n  k  =  1  \n\nbare\r[T]", "S", "k", "2",
     "; note\r\n[S]\r\nk=2\r\nbare\r\n[T]\r\n"},
    {"ends the last line", "[S]\r\nk=1", "S", "m", "2", "[S]\r\nk=1\r\nm=2\r\n"},
    {"drops the value's leading blanks", nullptr, "S", "k", "  v ", "[S]\r\nk=v \r\n"},
    {"null value deletes the key", "[S]\r\nk=1\r\nm=2\r\n", "S", "k", nullptr, "[S]\r\nm=2\r\n"},
    {"null key deletes the section", "[S]\r\nk=1\r\n[T]\r\nm=2\r\n", "s", nullptr, nullptr, "[T]\r\nm=2\r\n"},
    {"gbk trail bytes in names", "[\x81\x5C]\r\n\x81\x5D=1\r\n", "\x81\x5C\x81\x5D", "\x81\x5D", "2",
     "[\x81\x5C]\r\n\x81\x5D=1\r\n[\x81\x5C\x81\x5D]\r\n\x81\x5D=2\r\n"},
};

TEST_F(Profile, WritesTheWholeFileBack) {
    for (const WriteCase& c : kWriteCases) {
        const std::wstring name = L"w" + std::to_wstring(&c - kWriteCases) + L".ini";
        if (c.before != nullptr) {
            folder_.WriteBytes(name, c.before);
        }
        EXPECT_NE(WritePrivateProfileStringA(c.section, c.key, c.value, Path(name).c_str()), FALSE) << c.name;
        EXPECT_EQ(folder_.ReadBytes(name), c.after) << c.name;
    }
}

TEST_F(Profile, WriteThatCannotReachTheFileFails) {
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", Path(L"missing\\test.ini").c_str()), FALSE);
    EXPECT_FALSE(folder_.Exists(L"missing"));
    // A folder in the place of the file.
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", text::ToAnsi(folder_.path()).c_str()), FALSE);
}

TEST_F(Profile, SurvivesGarbageAndHugeLines) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 131 + 7) & 0xFF);
    }
    folder_.WriteBytes(kFile, garbage);
    EXPECT_EQ(Read("S", "k"), "");
    EXPECT_NE(Write("S", "k", "1"), FALSE);
    EXPECT_EQ(Read("S", "k"), "1");

    const std::string huge(1 << 20, 'z');
    folder_.WriteBytes(kFile, "[S]\r\nbig=" + huge + "\r\nafter=1\r\n");
    EXPECT_EQ(Read("S", "big"), huge.substr(0, 254));
    EXPECT_EQ(Read("S", "after"), "1");
    EXPECT_NE(Write("S", "after", "2"), FALSE);
    EXPECT_EQ(Read("S", "after"), "2");
}

}  // namespace
