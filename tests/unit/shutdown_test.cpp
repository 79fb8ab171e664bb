#include "system/shutdown.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include "platform/host/control.h"

namespace {

using Step = hostenv::SecurityStep;

const std::string kOpen = "OpenProcessToken(process=-1, access=0x20)",
                  kLookup = "LookupPrivilegeValueA(system=null, name=SeShutdownPrivilege)",
                  kClose = "CloseHandle(token)";

std::string Adjust(int attributes) {
    return "AdjustTokenPrivileges(token, disableAll=0, count=1, luid=19:0, attributes=" + std::to_string(attributes) +
           ", bufferLength=0, previousState=null, returnLength=null)";
}

// The request with the privilege enabled before and disabled after.
std::vector<std::string> Privileged(int mode) {
    return {kOpen, kLookup, Adjust(2), kClose, "ExitWindowsEx(flags=" + std::to_string(mode) + ", reason=0)",
            kOpen, kLookup, Adjust(0), kClose};
}

// A real request would end the Wine session, so this runs against the host stand-in only.
TEST(ShutdownExecutorHostOnly, CallsAndReportsInOrder) {
    // The mode, the step made to fail, the calls made, the messages shown.
    const std::tuple<std::int32_t, Step, std::vector<std::string>, std::vector<std::wstring>> cases[] = {
        {8, Step::None, Privileged(8), {}},
        {4, Step::None, {"ExitWindowsEx(flags=4, reason=0)"}, {}},
        {8, Step::OpenToken, {kOpen}, {kTokenMessage, kEnablingMessage}},
        {8, Step::LookupPrivilege, {kOpen, kLookup, kClose}, {kIdentifierMessage, kEnablingMessage}},
        {2, Step::AdjustPrivileges, {kOpen, kLookup, Adjust(2), kClose}, {kAdjustmentMessage, kEnablingMessage}},
        {2, Step::ExitWindows, Privileged(2), {kRefusalMessage}},
    };
    for (const auto& [mode, failing, calls, boxes] : cases) {
        hostenv::ResetSecurity();
        hostenv::ResetMessageBoxes();
        hostenv::FailSecurityStep(failing);
        EXPECT_EQ(clsShutdown().ShutDownNTbasedWindows(mode), boxes.empty());
        EXPECT_EQ(hostenv::SecurityLog(), calls);
        std::vector<std::wstring> texts;
        for (const auto& box : hostenv::ShownMessageBoxes()) {
            texts.push_back(box.text);
            EXPECT_EQ(box.caption + L" " + std::to_wstring(box.type), L"岚舟定时关机 48");  // OK, exclamation mark
        }
        EXPECT_EQ(texts, boxes);
    }
}

}  // namespace
#endif
