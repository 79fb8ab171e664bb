#include "app/autostart_box.h"

#include <gtest/gtest.h>

#include "system/reg.h"
#ifndef _WIN32
#include "platform/host/process_control.h"
#include "platform/host/registry_control.h"
#endif

namespace {

void Remove() {
    reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName);
}

void Store(const std::wstring& data) {
    ASSERT_TRUE(reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, data, REG_SZ));
}

std::wstring Stored() {
    DWORD type = REG_SZ;
    return reg::readRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, type);
}

class AutostartBox : public testing::Test {
  protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }
};

// Each row stores a value (or none), applies a box state, and checks what the key holds afterwards.
TEST_F(AutostartBox, TickingWritesOurCommandAndAnythingElseDeletesIt) {
    const std::wstring mine = L"D:\\Tools\\定时\\定时关机.exe /s", theirs = L"F:\\theirs\\timer.exe /s";
    const struct {
        const wchar_t* before;  // nullptr: no value
        int box;
        std::wstring after;
    } cases[] = {
        {nullptr, 1, mine},        {mine.c_str(), 0, L""},   {mine.c_str(), 2, L""},
        {theirs.c_str(), 1, mine}, {theirs.c_str(), 0, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "box " << c.box << " over " << (c.before ? c.before : L"nothing"));
        Remove();
        if (c.before) {
            Store(c.before);
        }
        autostart::Apply(c.box, mine);
        EXPECT_EQ(Stored(), c.after);
        EXPECT_EQ(autostart::IsRegistered(mine), c.box == 1);
    }
}

TEST_F(AutostartBox, OnlyTheExactCommandCountsAsRegistered) {
    const std::wstring command = L"D:\\Tools\\Timer\\timer.exe /s";
    const struct {
        std::wstring stored;
        bool registered;
    } cases[] = {
        {command, true},
        {command + std::wstring(1, L'\0') + L"junk", true},
        {L"D:\\Tools\\Other\\timer.exe /s", false},
        {L"d:\\tools\\timer\\timer.exe /s", false},
        {L"\"D:\\Tools\\Timer\\timer.exe\" /s", false},
        {L"D:\\Tools\\Timer\\timer.exe", false},
    };
    for (const auto& c : cases) {
        Store(c.stored);
        EXPECT_EQ(autostart::IsRegistered(command), c.registered) << c.stored.c_str();
    }
}

#ifndef _WIN32
TEST(AutostartBoxHostOnly, ExpectedCommandFollowsTheExecutable) {
    hostenv::SetModulePath(L"C:\\Program Files\\定时\\TIMER.EXE");
    EXPECT_EQ(autostart::ExpectedCommand(), L"C:\\Program Files\\定时\\TIMER.exe /s");
    hostenv::SetModulePath(L"C:\\定时关机.exe");
    EXPECT_EQ(autostart::ExpectedCommand(), L"C:\\定时关机.exe /s");
}

TEST(AutostartBoxHostOnly, ARefusedWriteLeavesNoValueAndNoOpenKey) {
    hostenv::ResetRegistry();
    hostenv::SetRegistryWritesDenied(true);
    autostart::Apply(1, L"C:\\timer.exe /s");
    hostenv::SetRegistryWritesDenied(false);
    EXPECT_FALSE(autostart::IsRegistered(L"C:\\timer.exe /s"));
    EXPECT_EQ(hostenv::OpenRegistryKeyCount(), 0);
}
#endif

}  // namespace
