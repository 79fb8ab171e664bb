#include "app/autostart_box.h"

#include <gtest/gtest.h>

#include "system/reg.h"
#ifndef _WIN32
#include "platform/host/process_control.h"
#include "platform/host/registry_control.h"
#endif

namespace {

class AutostartBox : public testing::Test {
  protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }
    static void Remove() { reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName); }
    static void Store(const std::wstring& data) {
        ASSERT_TRUE(
            reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, data, REG_SZ));
    }
    static std::wstring Stored() {
        DWORD type = REG_SZ;
        return reg::readRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, type);
    }
};

TEST_F(AutostartBox, TickingWritesTheCommandAndUntickingDeletesIt) {
    const std::wstring command = L"D:\\Tools\\定时\\定时关机.exe /s";
    EXPECT_FALSE(autostart::IsRegistered(command));
    autostart::Apply(1, command);
    EXPECT_EQ(Stored(), command);
    EXPECT_TRUE(autostart::IsRegistered(command));
    autostart::Apply(0, command);
    EXPECT_EQ(Stored(), L"");
    EXPECT_FALSE(autostart::IsRegistered(command));
    // An indeterminate box is not a ticked one.
    autostart::Apply(1, command);
    autostart::Apply(2, command);
    EXPECT_FALSE(autostart::IsRegistered(command));
}

TEST_F(AutostartBox, OnlyTheExactCommandCountsAsRegistered) {
    const std::wstring command = L"D:\\Tools\\Timer\\timer.exe /s";
    const struct {
        const wchar_t* stored;
        bool registered;
    } cases[] = {
        {L"D:\\Tools\\Timer\\timer.exe /s", true},      {L"D:\\Tools\\Other\\timer.exe /s", false},
        {L"D:\\Tools\\Timer\\other.exe /s", false},     {L"d:\\tools\\timer\\timer.exe /s", false},
        {L"\"D:\\Tools\\Timer\\timer.exe\" /s", false}, {L"D:\\Tools\\Timer\\timer.exe", false},
    };
    for (const auto& c : cases) {
        Store(c.stored);
        EXPECT_EQ(autostart::IsRegistered(command), c.registered) << c.stored;
    }
}

TEST_F(AutostartBox, TextAfterAnEmbeddedNulIsIgnored) {
    const std::wstring command = L"C:\\定时关机.exe /s";
    Store(command + std::wstring(1, L'\0') + L"junk");
    EXPECT_TRUE(autostart::IsRegistered(command));
}

TEST_F(AutostartBox, AnotherCopysValueIsReplacedByTickingAndDeletedByUnticking) {
    const std::wstring mine = L"E:\\mine\\timer.exe /s";
    Store(L"F:\\theirs\\timer.exe /s");
    EXPECT_FALSE(autostart::IsRegistered(mine));
    autostart::Apply(1, mine);
    EXPECT_EQ(Stored(), mine);
    Store(L"F:\\theirs\\timer.exe /s");
    autostart::Apply(0, mine);
    EXPECT_EQ(Stored(), L"");
}

#ifndef _WIN32
TEST(AutostartBoxHostOnly, ExpectedCommandFollowsTheExecutable) {
    const struct {
        const wchar_t* modulePath;
        const wchar_t* command;
    } cases[] = {
        {L"D:\\Tools\\Timer\\定时关机.exe", L"D:\\Tools\\Timer\\定时关机.exe /s"},
        {L"C:\\定时关机.exe", L"C:\\定时关机.exe /s"},
        {L"C:\\Program Files\\Timer\\TIMER.EXE", L"C:\\Program Files\\Timer\\TIMER.exe /s"},
    };
    for (const auto& c : cases) {
        hostenv::SetModulePath(c.modulePath);
        EXPECT_EQ(autostart::ExpectedCommand(), c.command);
    }
}

TEST(AutostartBoxHostOnly, ARefusedWriteLeavesNoValue) {
    hostenv::ResetRegistry();
    hostenv::SetRegistryWritesDenied(true);
    autostart::Apply(1, L"C:\\timer.exe /s");
    hostenv::SetRegistryWritesDenied(false);
    EXPECT_FALSE(autostart::IsRegistered(L"C:\\timer.exe /s"));
    EXPECT_EQ(hostenv::OpenRegistryKeyCount(), 0);
}
#endif

}  // namespace
