#include "system/shutdown.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/codepage.h"

#ifndef _WIN32
#include "platform/host/messagebox_control.h"
#include "platform/host/security_control.h"
#endif

namespace {

TEST(ShutdownMessages, SurviveTheAnsiCodePage) {
    for (const wchar_t* message : {kApplicationTitle, kTokenMessage, kIdentifierMessage, kAdjustmentMessage,
                                   kEnablingMessage, kRefusalMessage}) {
        const std::string bytes = text::ToAnsi(message);
        EXPECT_EQ(bytes.find('?'), std::string::npos) << bytes;
        EXPECT_EQ(text::FromAnsi(bytes), message);
    }
    // 黵 is the pair of bytes a Western code page shows as "ür".
    EXPECT_NE(text::ToAnsi(kTokenMessage).find("f\xFC\x72 den"), std::string::npos);
}

#ifndef _WIN32

using Step = hostenv::SecurityStep;
using Log = std::vector<std::string>;

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

// The request with the privilege enabled before and disabled after.
Log Privileged(int mode) {
    return {kOpen, kLookup, Adjust(2), kClose, Exit(mode), kOpen, kLookup, Adjust(0), kClose};
}

// Runs one request and checks the boxes shown; the privilege is never left enabled nor the token open.
bool Request(std::int32_t mode, const std::vector<std::wstring>& boxes) {
    hostenv::ResetMessageBoxes();
    const bool result = clsShutdown().ShutDownNTbasedWindows(mode);
    std::vector<std::wstring> texts;
    for (const auto& box : hostenv::ShownMessageBoxes()) {
        texts.push_back(box.text);
        EXPECT_EQ(box.caption, L"岚舟定时关机");
        EXPECT_EQ(box.type, UINT{MB_OK | MB_ICONEXCLAMATION});
        EXPECT_EQ(box.owner, nullptr);
    }
    EXPECT_EQ(texts, boxes);
    EXPECT_FALSE(hostenv::ShutdownPrivilegeEnabled());
    EXPECT_EQ(hostenv::OpenTokenCount(), 0);
    return result;
}

TEST(ShutdownExecutor, HostOnlyCallsAndReportsInOrder) {
    const struct {
        std::int32_t mode;
        std::optional<Step> failing;
        Log calls;
        std::vector<std::wstring> boxes;
    } cases[] = {
        {8, {}, Privileged(8), {}},
        {2, {}, Privileged(2), {}},
        {1, {}, Privileged(1), {}},
        {4, {}, {Exit(4)}, {}},
        {8, Step::OpenToken, {kOpen}, {kTokenMessage, kEnablingMessage}},
        {8, Step::LookupPrivilege, {kOpen, kLookup, kClose}, {kIdentifierMessage, kEnablingMessage}},
        {2, Step::AdjustPrivileges, {kOpen, kLookup, Adjust(2), kClose}, {kAdjustmentMessage, kEnablingMessage}},
        {8, Step::ExitWindows, Privileged(8), {kRefusalMessage}},
        {0, Step::ExitWindows, {Exit(0)}, {kRefusalMessage}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - cases));
        hostenv::ResetSecurity();
        if (c.failing) {
            hostenv::FailSecurityStep(*c.failing);
        }
        EXPECT_EQ(Request(c.mode, c.boxes), c.boxes.empty());
        EXPECT_EQ(hostenv::SecurityLog(), c.calls);
    }
}

#endif

}  // namespace
