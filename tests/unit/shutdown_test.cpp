#include "system/shutdown.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/recording_platform.h"

namespace {

using Calls = std::vector<std::string>;
using Boxes = std::vector<std::wstring>;

// The texts as the user reads them, written out here, so that a text "corrected" in the program shows.
const std::wstring kToken = L"Das Handle f黵 den Accesstoken des aktuellen Prozesses konnte nicht erlangt werden.",
                   kLuid = L"Der aktuelle LUID f黵 das SE_SHUTDOWN-Privileg konnte nicht ermittelt werden konnte.",
                   kAdjust =
                       L"Das Privileg zum Herunterfahren des Systems konnte aus unbekanntem Grund nicht "
                       L"modifiziert werden.",
                   kEnable = L"Das Privileg zum Herunterfahren/Neustarten des Systems konnte nicht aktiviert werden.",
                   kRefused = L"Das System kann aufgrund eines Fehlers nicht heruntergefahren werden.";

TEST(ShutdownExecutor, EnablesRequestsDisablesAndReportsEachFailure) {
    // The mode, the privilege step that fails, whether the system refuses; the calls made, the boxes shown.
    const std::tuple<std::int32_t, std::optional<PrivilegeStep>, bool, Calls, Boxes> cases[] = {
        {8, std::nullopt, false, {"enable", "exit 8", "disable"}, {}},
        {1, std::nullopt, false, {"enable", "exit 1", "disable"}, {}},
        {4, PrivilegeStep::OpenToken, false, {"exit 4"}, {}},  // a mode without 1, 2 or 8 needs no privilege
        {0, std::nullopt, true, {"exit 0"}, {kRefused}},
        {8, PrivilegeStep::OpenToken, false, {"enable"}, {kToken, kEnable}},
        {8, PrivilegeStep::LookupPrivilege, false, {"enable"}, {kLuid, kEnable}},
        {2, PrivilegeStep::AdjustPrivileges, false, {"enable"}, {kAdjust, kEnable}},
        {2, std::nullopt, true, {"enable", "exit 2", "disable"}, {kRefused}},
    };
    for (const auto& [mode, failing, refused, calls, boxes] : cases) {
        RecordingPlatform platform;
        platform.failingStep = failing;
        platform.exitRefused = refused;
        EXPECT_EQ(clsShutdown(platform).ShutDownNTbasedWindows(mode), boxes.empty()) << mode;
        EXPECT_EQ(platform.calls, calls) << mode;
        EXPECT_EQ(platform.boxes, boxes) << mode;
    }
}

}  // namespace
