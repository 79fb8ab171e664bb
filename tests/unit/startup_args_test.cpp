#include "app/startup_args.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupArgs, TheProgramPathComesOffHoweverItIsWritten) {
    const std::wstring spaced = L"C:\\Program Files\\Timer\\timer.exe";
    const struct {
        std::wstring programPath, commandLine, arguments;
        bool hidden;
    } cases[] = {
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
    for (const auto& c : cases) {
        const std::wstring arguments = ArgumentString(c.commandLine, c.programPath);
        EXPECT_EQ(arguments, c.arguments) << c.commandLine;
        EXPECT_EQ(StartsHidden(arguments), c.hidden) << c.commandLine;
    }
}

}  // namespace
