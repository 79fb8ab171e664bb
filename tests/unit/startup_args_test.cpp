#include "app/startup_args.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupArgs, OnlyTheExactSwitchStartsHidden) {
    const struct {
        const wchar_t* commandLine;
        const wchar_t* arguments;
        bool hidden;
    } cases[] = {
        {L"C:\\Tools\\timer.exe /s", L"/s", true},
        {L"\"C:\\Program Files\\Timer\\timer.exe\" /s", L"/s", true},
        {L"D:\\定时\\定时关机.exe /s", L"/s", true},
        {L"\"C:\\Tools\\timer.exe\"/s", L"/s", true},
        {L"C:\\Tools\\timer.exe\t/s", L"/s", true},
        {L"C:\\Tools\\timer.exe ", L"", false},
        {L"C:\\Tools\\timer.exe /S", L"/S", false},
        {L"C:\\Tools\\timer.exe  /s", L" /s", false},
        {L"C:\\Tools\\timer.exe /s ", L"/s ", false},
        {L"C:\\Tools\\timer.exe -s", L"-s", false},
        {L"\"C:\\Program Files\\Timer\\timer.exe\"  /s", L" /s", false},
        {L"\"C:\\unterminated /s", L"", false},
    };
    for (const auto& c : cases) {
        const std::wstring arguments = ArgumentString(c.commandLine);
        EXPECT_EQ(arguments, c.arguments) << c.commandLine;
        EXPECT_EQ(StartsHidden(arguments), c.hidden) << c.commandLine;
    }
}

}  // namespace
