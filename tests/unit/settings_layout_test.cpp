#include "dialogs/settings_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/settings_ids.h"

namespace {

using F = SettingsField;
using C = SettingsCheck;
namespace ids = settings_ids;

TEST(SettingsLayout, FocusMovesInTheDocumentedOrder) {
    const std::vector<int> expected = {
        ids::ForCheck(C::Check1), ids::ForCheck(C::Check2), ids::ForField(F::Text2),  ids::ForField(F::Text3),
        ids::ForCheck(C::Check3), ids::ForField(F::Text4),  ids::ForField(F::Text5),  ids::kCombo1,
        ids::ForCheck(C::Check4), ids::ForField(F::Text6),  ids::ForField(F::Text7),  ids::ForField(F::Text8),
        ids::ForCheck(C::Check5), ids::ForField(F::Text9),  ids::kCommand2,           ids::kCommand3,
        ids::ForField(F::Text11), ids::ForField(F::Text10), ids::ForField(F::Text12), ids::ForField(F::Text13),
        ids::ForField(F::Text14),
    };
    std::vector<int> focusable;
    for (const SettingsControl& control : SettingsLayout()) {
        if (control.kind != SettingsControlKind::Label) {
            focusable.push_back(control.id);
        }
    }
    EXPECT_EQ(focusable, expected);
}

TEST(SettingsLayout, RestartTwinReplacesTheActionWordOnly) {
    struct Case {
        Action action;
        const wchar_t* shutdownText;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {Action::Shutdown, L"每次开机运行多久自动关机", L"每次开机运行多久自动关机"},
        {Action::Restart, L"每次开机运行多久自动关机", L"每次开机运行多久自动重启"},
        {Action::Restart, L"设定关机时间", L"设定重启时间"},
        {Action::Restart, L"确定", L"确定"},
        {Action::Restart, L"关机关机", L"重启重启"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TwinText(c.action, c.shutdownText), c.shown);
    }
    EXPECT_EQ(DialogCaption(Action::Shutdown), L"定时关机 - 设置");
    EXPECT_EQ(DialogCaption(Action::Restart), L"定时重启 - 设置");
}

}  // namespace
