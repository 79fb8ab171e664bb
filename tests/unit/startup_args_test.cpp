#include "app/startup_args.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

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

}  // namespace
