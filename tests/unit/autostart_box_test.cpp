#include "app/autostart_box.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "system/reg.h"
#ifndef _WIN32
#include "platform/host/control.h"
#include "platform/program_path.h"
#include "schedule/ini.h"
#endif

namespace {

// The Run value at start, whether it counts as this copy's, the box's state, whether it counts so afterwards.
// The last row leaves no value behind.
TEST(AutostartBox, OnlyTheExactCommandCountsAndTheBoxWritesOrDeletes) {
    const std::wstring mine = L"D:\\Tools\\定时\\定时关机.exe /s";
    const std::tuple<std::wstring, bool, int, bool> cases[] = {
        {mine, true, 0, false},
        {L"F:\\theirs\\定时关机.exe /s", false, 1, true},
        {L"d:\\tools\\定时\\定时关机.exe /s", false, 1, true},
        {L"D:\\Tools\\定时\\定时关机.exe", false, 1, true},
        {mine + std::wstring(1, L'\0') + L"junk", true, 2, false},
    };
    for (const auto& [before, registered, box, registeredAfter] : cases) {
        ASSERT_TRUE(
            reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, before, REG_SZ));
        EXPECT_EQ(autostart::IsRegistered(mine), registered);
        autostart::Apply(box, mine);
        EXPECT_EQ(autostart::IsRegistered(mine), registeredAfter);
    }
}

#ifndef _WIN32
TEST(AutostartBoxHostOnly, CommandAndSettingsFileFollowTheExecutable) {
    for (const auto& [program, command, settings] :
         {std::tuple{L"C:\\Program Files\\定时\\TIMER.EXE", L"C:\\Program Files\\定时\\TIMER.exe /s",
                     L"C:\\Program Files\\定时\\timer.ini"},
          std::tuple{L"C:\\timer.exe", L"C:\\timer.exe /s", L"C:\\\\timer.ini"}}) {
        hostenv::SetModulePath(program);
        EXPECT_EQ(std::pair(autostart::ExpectedCommand(), ini::SettingsPath(platform::ProgramFolder())),
                  std::pair(std::wstring(command), std::wstring(settings)));
    }
}
#endif

}  // namespace
