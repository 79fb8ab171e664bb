#include "app/autostart_box.h"

#include <gtest/gtest.h>

#include "system/reg.h"
#ifndef _WIN32
#include "platform/host/control.h"
#include "platform/program_path.h"
#include "schedule/ini.h"
#endif

namespace {

// Each row: the Run value at start, whether it counts as this copy's, then a box state and
// what the value is afterwards.
TEST(AutostartBox, OnlyTheExactCommandCountsAndTheBoxWritesOrDeletes) {
    const std::wstring mine = L"D:\\Tools\\定时\\定时关机.exe /s";
    const struct {
        std::wstring before;
        bool registered;
        int box;
        std::wstring after;
    } cases[] = {
        {mine, true, 0, L""},
        {mine + std::wstring(1, L'\0') + L"junk", true, 2, L""},
        {L"F:\\theirs\\定时关机.exe /s", false, 1, mine},
        {L"d:\\tools\\定时\\定时关机.exe /s", false, 1, mine},
        {L"D:\\Tools\\定时\\定时关机.exe", false, 1, mine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "box " << c.box << " over [" << c.before.c_str() << "]");
        ASSERT_TRUE(
            reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, c.before, REG_SZ));
        EXPECT_EQ(autostart::IsRegistered(mine), c.registered);
        autostart::Apply(c.box, mine);
        DWORD type = REG_SZ;
        EXPECT_EQ(reg::readRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, type),
                  c.after);
    }
    reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName);
}

#ifndef _WIN32
TEST(AutostartBoxHostOnly, CommandAndSettingsFileFollowTheExecutable) {
    const struct {
        const wchar_t* program;
        const wchar_t* command;
        const wchar_t* settings;
    } cases[] = {
        {L"C:\\Program Files\\定时\\TIMER.EXE", L"C:\\Program Files\\定时\\TIMER.exe /s",
         L"C:\\Program Files\\定时\\timer.ini"},
        {L"C:\\timer.exe", L"C:\\timer.exe /s", L"C:\\\\timer.ini"},
    };
    for (const auto& c : cases) {
        hostenv::SetModulePath(c.program);
        EXPECT_EQ(autostart::ExpectedCommand(), c.command);
        EXPECT_EQ(ini::SettingsPath(platform::ProgramFolder()), c.settings);
    }
}
#endif

}  // namespace
