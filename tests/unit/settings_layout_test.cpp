#include "dialogs/settings_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/settings_ids.h"

namespace {

using F = SettingsField;
using C = SettingsCheck;
namespace ids = settings_ids;

TEST(SettingsLayout, FocusMovesInTheDocumentedOrder) {
    const auto T = ids::ForField;
    const auto K = ids::ForCheck;
    const std::vector<int> expected = {
        K(C::Check1),   K(C::Check2),   T(F::Text2),  T(F::Text3),  K(C::Check3), T(F::Text4),  T(F::Text5),
        ids::kCombo1,   K(C::Check4),   T(F::Text6),  T(F::Text7),  T(F::Text8),  K(C::Check5), T(F::Text9),
        ids::kCommand2, ids::kCommand3, T(F::Text11), T(F::Text10), T(F::Text12), T(F::Text13), T(F::Text14),
    };
    std::vector<int> focusable;
    for (const SettingsControl& control : SettingsLayout()) {
        if (control.kind != SettingsControlKind::Label) {
            focusable.push_back(control.id);
        }
    }
    EXPECT_EQ(focusable, expected);
}

TEST(SettingsLayout, RestartTwinReplacesEveryActionWordAndNothingElse) {
    EXPECT_EQ(TwinText(Action::Restart, L"每次开机运行多久自动关机"), L"每次开机运行多久自动重启");
    EXPECT_EQ(TwinText(Action::Restart, L"关机关机"), L"重启重启");
    EXPECT_EQ(DialogCaption(Action::Shutdown), L"定时关机 - 设置");
    EXPECT_EQ(DialogCaption(Action::Restart), L"定时重启 - 设置");
}

}  // namespace
