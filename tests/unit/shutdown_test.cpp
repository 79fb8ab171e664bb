#include "system/shutdown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef _WIN32
#include "platform/host/control.h"

namespace {

using Step = hostenv::SecurityStep;
using Log = std::vector<std::string>;

const std::string kOpen = "OpenProcessToken(process=-1, access=0x20)";
const std::string kLookup = "LookupPrivilegeValueA(system=null, name=SeShutdownPrivilege)";
const std::string kClose = "CloseHandle(token)";

std::string Adjust(int attributes) {
    return "AdjustTokenPrivileges(token, disableAll=0, count=1, luid=19:0, attributes=" + std::to_string(attributes) +
           ", bufferLength=0, previousState=null, returnLength=null)";
}

std::string Exit(int mode) {
    return "ExitWindowsEx(flags=" + std::to_string(mode) + ", reason=0)";
}

// The request with the privilege enabled before and disabled after.
Log Privileged(int mode) {
    return {kOpen, kLookup, Adjust(2), kClose, Exit(mode), kOpen, kLookup, Adjust(0), kClose};
}

// A real request would end the Wine session, so this runs against the host stand-in only.
TEST(ShutdownExecutorHostOnly, CallsAndReportsInOrder) {
    const struct {
        std::int32_t mode;
        Step failing;
        Log calls;
        std::vector<std::wstring> boxes;
    } cases[] = {
        {8, Step::None, Privileged(8), {}},
        {2, Step::None, Privileged(2), {}},
        {1, Step::None, Privileged(1), {}},
        {4, Step::None, {Exit(4)}, {}},
        {8, Step::OpenToken, {kOpen}, {kTokenMessage, kEnablingMessage}},
        {8, Step::LookupPrivilege, {kOpen, kLookup, kClose}, {kIdentifierMessage, kEnablingMessage}},
        {2, Step::AdjustPrivileges, {kOpen, kLookup, Adjust(2), kClose}, {kAdjustmentMessage, kEnablingMessage}},
        {8, Step::ExitWindows, Privileged(8), {kRefusalMessage}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - cases));
        hostenv::ResetSecurity();
        hostenv::ResetMessageBoxes();
        hostenv::FailSecurityStep(c.failing);
        EXPECT_EQ(clsShutdown().ShutDownNTbasedWindows(c.mode), c.boxes.empty());
        EXPECT_EQ(hostenv::SecurityLog(), c.calls);
        std::vector<std::wstring> texts;
        for (const auto& box : hostenv::ShownMessageBoxes()) {
            texts.push_back(box.text);
            EXPECT_EQ(box.caption, L"岚舟定时关机");
            EXPECT_EQ(box.type, UINT{MB_OK | MB_ICONEXCLAMATION});
        }
        EXPECT_EQ(texts, c.boxes);
    }
}

}  // namespace
#endif
