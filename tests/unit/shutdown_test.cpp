#include "system/shutdown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/codepage.h"

#ifndef _WIN32
#include "platform/host/messagebox_control.h"
#include "platform/host/security_control.h"
#endif

namespace {

// What 黵 becomes in the ANSI code page: the two bytes a Western code page shows as "ü" and "r".
TEST(ShutdownMessages, SurviveTheAnsiCodePage) {
    const wchar_t* const texts[] = {kApplicationTitle,  kTokenMessage,    kIdentifierMessage,
                                    kAdjustmentMessage, kEnablingMessage, kRefusalMessage};
    for (const wchar_t* message : texts) {
        const std::string bytes = text::ToAnsi(message);
        EXPECT_EQ(bytes.find('?'), std::string::npos) << bytes;
        EXPECT_EQ(text::FromAnsi(bytes), message);
    }
    EXPECT_NE(text::ToAnsi(kTokenMessage).find("f\xFC\x72 den"), std::string::npos);
    EXPECT_NE(text::ToAnsi(kIdentifierMessage).find("f\xFC\x72 das"), std::string::npos);
    EXPECT_EQ(text::ToAnsi(kApplicationTitle).size(), 12u);
}

#ifndef _WIN32

using hostenv::SecurityStep;

const std::string kOpen = "OpenProcessToken(process=-1, access=0x20)";
const std::string kLookup = "LookupPrivilegeValueA(system=null, name=SeShutdownPrivilege)";
const std::string kClose = "CloseHandle(token)";

std::string Adjust(int attributes) {
    return "AdjustTokenPrivileges(disableAll=0, count=1, luid=19:0, attributes=" + std::to_string(attributes) +
           ", bufferLength=0, previousState=null, returnLength=null)";
}

std::string Exit(int mode) {
    return "ExitWindowsEx(flags=" + std::to_string(mode) + ", reason=0)";
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const std::vector<std::string> kEnable = {kOpen, kLookup, Adjust(2), kClose};
const std::vector<std::string> kDisable = {kOpen, kLookup, Adjust(0), kClose};

struct ShutdownCase {
    const char* name;
    std::int32_t mode;
    std::vector<SecurityStep> failing;
    std::vector<std::string> calls;
    std::vector<const wchar_t*> boxes;
    bool result;
};

const ShutdownCase kCases[] = {
    {"power off", 8, {}, Concat({kEnable, {Exit(8)}, kDisable}), {}, true},
    {"reboot", 2, {}, Concat({kEnable, {Exit(2)}, kDisable}), {}, true},
    {"shut down", 1, {}, Concat({kEnable, {Exit(1)}, kDisable}), {}, true},
    {"log off needs no privilege", 0, {}, {Exit(0)}, {}, true},
    {"force alone needs no privilege", 4, {}, {Exit(4)}, {}, true},
    {"token", 8, {SecurityStep::OpenToken}, {kOpen}, {kTokenMessage, kEnablingMessage}, false},
    {"identifier",
     8,
     {SecurityStep::LookupPrivilege},
     {kOpen, kLookup, kClose},
     {kIdentifierMessage, kEnablingMessage},
     false},
    {"adjustment",
     2,
     {SecurityStep::AdjustPrivileges},
     {kOpen, kLookup, Adjust(2), kClose},
     {kAdjustmentMessage, kEnablingMessage},
     false},
    {"refusal", 8, {SecurityStep::ExitWindows}, Concat({kEnable, {Exit(8)}, kDisable}), {kRefusalMessage}, false},
    {"refused log off", 0, {SecurityStep::ExitWindows}, {Exit(0)}, {kRefusalMessage}, false},
};

class ShutdownTest : public ::testing::TestWithParam<ShutdownCase> {
  protected:
    void SetUp() override {
        hostenv::ResetSecurity();
        hostenv::ResetMessageBoxes();
    }
};

TEST_P(ShutdownTest, HostOnlyCallsAndReportsInOrder) {
    const ShutdownCase& c = GetParam();
    for (const SecurityStep step : c.failing) {
        hostenv::FailSecurityStep(step);
    }
    clsShutdown executor;
    EXPECT_EQ(executor.ShutDownNTbasedWindows(c.mode), c.result);
    EXPECT_EQ(hostenv::SecurityLog(), c.calls);

    const auto& shown = hostenv::ShownMessageBoxes();
    ASSERT_EQ(shown.size(), c.boxes.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].text, c.boxes[i]) << i;
        EXPECT_EQ(shown[i].caption, L"岚舟定时关机");
        EXPECT_EQ(shown[i].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(shown[i].owner, nullptr);
    }
    EXPECT_FALSE(hostenv::ShutdownPrivilegeEnabled()) << "the privilege must not stay enabled";
    EXPECT_EQ(hostenv::OpenTokenCount(), 0) << "the token must be closed";
}

INSTANTIATE_TEST_SUITE_P(Modes,
                         ShutdownTest,
                         ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ShutdownCase>& caseInfo) {
                             std::string name = caseInfo.param.name;
                             for (char& c : name) {
                                 c = c == ' ' ? '_' : c;
                             }
                             return name;
                         });

TEST(ShutdownDos, HostOnlyIssuesTheRequestWithoutPrivileges) {
    hostenv::ResetSecurity();
    hostenv::ResetMessageBoxes();
    clsShutdown executor;
    EXPECT_TRUE(executor.ShutDownDOSbasedWindows(8));
    EXPECT_EQ(hostenv::SecurityLog(), std::vector<std::string>{Exit(8)});
    EXPECT_TRUE(hostenv::ShownMessageBoxes().empty());
}

#endif

}  // namespace
