#include "app/startup_args.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "app/instance_name.h"
#include "app/program_path.h"
#include "schedule/settings_file.h"

namespace {

TEST(StartupArgs, TheProgramPathComesOffHoweverItIsWritten) {
    const std::wstring spaced = L"C:\\Program Files\\Timer\\timer.exe";
    // The program's path, the command line, the argument string, whether the program starts hidden.
    const std::tuple<std::wstring, std::wstring, std::wstring, bool> cases[] = {
        {spaced, spaced + L" /s", L"/s", true},
        {spaced, L"\"" + spaced + L"\" /s", L"/s", true},
        {L"C:\\Zeit Apps\\timer.exe", L"c:\\zEIT aPPS\\TIMER.EXE /s", L"/s", true},
        {spaced, L"timer /s", L"/s", true},
        {spaced, spaced, L"", false},
        {spaced, L"\"" + spaced + L"\"/s", L"/s", true},
        {spaced, L"\"\"/s", L"/s", true},
        {spaced, spaced + L"\t/s", L"/s", true},
        {spaced, spaced + L" /S", L"/S", false},
        {spaced, spaced + L"  /s", L" /s", false},
        {spaced, spaced + L" /s ", L"/s ", false},
        {spaced, L"C:\\Program Files\\Timer\\timer.exe2 /s", L"Files\\Timer\\timer.exe2 /s", false},
        {spaced, L"C:\\Program", L"", false},
        {spaced, L"\"C:\\unterminated /s", L"", false},
        {spaced, L"", L"", false},
    };
    for (const auto& [programPath, commandLine, arguments, hidden] : cases) {
        const std::wstring found = ArgumentString(commandLine, programPath);
        EXPECT_EQ(std::pair(found, StartsHidden(found)), std::pair(arguments, hidden)) << commandLine;
    }
}

TEST(ProgramPath, FolderNameAndSettingsFile) {
    // The path; its folder, its base name and the settings file.
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"D:\\Tools\\定时\\定时关机.exe", L"D:\\Tools\\定时", L"定时关机", L"D:\\Tools\\定时\\timer.ini"},
        {L"C:\\timer.v2.EXE", L"C:\\", L"timer.v2", L"C:\\\\timer.ini"},
    };
    for (const auto& [path, folder, name, settings] : cases) {
        EXPECT_EQ(std::tuple(FolderOf(path), BaseNameOf(path), SettingsPath(FolderOf(path))),
                  std::tuple(folder, name, settings));
    }
}

// Latin letter case does not tell two paths apart, anything else does; the name holds no separator after its
// namespace.
TEST(InstanceName, SameFileSameValidNameOtherFileOtherName) {
    const std::wstring name = InstanceMutexName(L"D:\\Zeit\\Apps\\定时关机.exe");
    EXPECT_EQ(name, InstanceMutexName(L"d:\\zEIT\\aPPS\\定时关机.EXE"));
    for (const wchar_t* other :
         {L"D:\\Zeit\\Apps2\\定时关机.exe", L"D:\\Zeit\\Apps\\定时开机.exe", L"E:\\Zeit\\Apps\\定时关机.exe"}) {
        EXPECT_NE(name, InstanceMutexName(other)) << other;
    }
    EXPECT_EQ(name.rfind(L"Local\\", 0), 0u);
    EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos);
}

}  // namespace
