#include "dialogs/settings_handlers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <tuple>
#include <vector>

#include "dialogs/settings_ids.h"
#include "dialogs/settings_layout.h"
#include "schedule/ini.h"
#include "support/temp_folder.h"
#include "text/codepage.h"

namespace {

using F = SettingsField;
using C = SettingsCheck;
using Texts = std::vector<std::wstring>;

// Each box's fields, in the order its interlock treats them.
const std::vector<F> kGroups[kSettingsCheckCount] = {{F::Text10, F::Text11, F::Text12, F::Text13, F::Text14},
                                                     {F::Text2, F::Text3},
                                                     {F::Combo1, F::Text4, F::Text5},
                                                     {F::Text6, F::Text7, F::Text8},
                                                     {F::Text9}};

// A new dialog's controls in memory. A text field's change runs its filter, as its change notification
// does in the window; the weekday box has none.
struct Controls : SettingsControls {
    Controls() {
        for (const SettingsControl& control : SettingsLayout()) {
            if (const auto field = settings_ids::FieldOf(control.id)) {
                texts[IndexOf(*field)] = control.caption;
            }
        }
    }
    std::wstring Text(F field) const override { return texts[IndexOf(field)]; }
    void SetText(F field, const std::wstring& text) override {
        if (texts[IndexOf(field)] != text) {
            texts[IndexOf(field)] = text;
            ++changes[IndexOf(field)];
            if (field != F::Combo1) {
                settings::Text_Change(*this, field);
            }
        }
    }
    int Check(C box) const override { return checks[IndexOf(box)]; }
    void SetCheck(C box, int value) override { checks[IndexOf(box)] = value; }
    void Enable(F field, bool on, int colour) override {
        enabled[IndexOf(field)] = on;
        background[IndexOf(field)] = colour;
    }

    std::array<std::wstring, kSettingsFieldCount> texts;
    std::array<int, kSettingsCheckCount> checks{};
    std::array<bool, kSettingsFieldCount> enabled{};
    std::array<int, kSettingsFieldCount> background = MakeArray(kButtonFace);
    std::array<int, kSettingsFieldCount> changes{};

    static std::array<int, kSettingsFieldCount> MakeArray(int value) {
        std::array<int, kSettingsFieldCount> values;
        values.fill(value);
        return values;
    }
};

std::string Gbk(const std::wstring& text) {
    return text::ToCodePage(text, text::kGbkCodePage);
}
std::wstring Blanks(std::size_t count) {
    return std::wstring(count, L' ');
}

// All texts, box by box: "hour minute year month day | hour minute | weekday hour minute | day hour minute | minutes".
std::wstring Shown(const Controls& controls) {
    std::wstring shown;
    for (const auto& group : kGroups) {
        for (F field : group) {
            shown += controls.Text(field) + L" ";
        }
        shown += L"| ";
    }
    return shown.substr(0, shown.size() - 3);
}

// Types texts written as Shown writes them, up to where the words end.
void Type(Controls& controls, const std::wstring& texts) {
    std::wistringstream words(texts);
    std::wstring word;
    for (const auto& group : kGroups) {
        for (F field : group) {
            if (!(words >> word)) {
                return;
            }
            controls.SetText(field, word);
        }
        words >> word;  // "|"
    }
}

// Each box's value, or '?' when its fields are not all enabled on the window colour (value 1) or all
// disabled on the button face (any other value).
std::string Boxes(const Controls& controls) {
    std::string boxes;
    for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
        const bool on = controls.checks[i] == 1;
        char mark = static_cast<char>('0' + controls.checks[i]);
        for (F field : kGroups[i]) {
            if (controls.enabled[IndexOf(field)] != on ||
                controls.background[IndexOf(field)] != (on ? kWindowBackground : kButtonFace)) {
                mark = '?';
            }
        }
        boxes += mark;
    }
    return boxes;
}

// A dialog loaded on 2026-12-07 from `ini` (nullptr: no file), standing in for the main window its save
// reports to: each line and the reload are recorded with the action's section as it is at that moment.
struct Dialog : SaveTarget {
    explicit Dialog(Action of = Action::Shutdown, const wchar_t* ini = nullptr) : action(of) {
        if (ini != nullptr) {
            WriteIni(ini);
        }
        settings::Form_Load(controls, action, folder.path(), {2026, 12, 7});
    }
    void ClearList() override { calls.push_back(L"clear"); }
    void AddLine(const std::wstring& line) override { Record(line); }
    void Reload() override { Record(L"reload"); }
    void Record(const std::wstring& call) {
        calls.push_back(call);
        sections.push_back(Section(action));
    }
    void WriteIni(const std::wstring& content) const { folder.WriteBytes(L"timer.ini", Gbk(content)); }
    void Save(int currentYear = 2026) { settings::Command2_Click(controls, action, folder.path(), currentYear, *this); }

    // The eight values of a section, in key order.
    Texts Section(Action of) const {
        const ActionKeys& k = KeysFor(of);
        Texts values;
        for (const wchar_t* key : {k.onceDate, k.onceTime, k.dailyTime, k.weeklyDay, k.weeklyTime, k.monthlyDay,
                                   k.monthlyTime, k.bootMinutes}) {
            values.push_back(ini::readIniValue(ini::SettingsPath(folder.path()), k.section, key));
        }
        return values;
    }

    testsupport::TempFolder folder;
    Action action;
    Controls controls;
    Texts calls;
    std::vector<Texts> sections;
};

const wchar_t kBothSections[] =
    L"[关机]\r\n定时关机时间=22:15\r\n每天定时关机=07:30\r\n[重启]\r\n每天定时重启=21:09\r\n每次开机X分钟重启=90\r\n";
const wchar_t kNewDialog[] = L"23 0 2026 12 7 | 23 0 | 周日 23 0 | 1 23 0 | 480";

// Action, timer.ini (nullptr: none), boxes, texts. A one-time time without its date is not read.
const std::tuple<Action, const wchar_t*, const char*, const wchar_t*> kLoadCases[] = {
    {Action::Shutdown, nullptr, "00000", kNewDialog},
    {Action::Shutdown, L"[关机]\r\n定时关机日期=2027-12-25\r\n定时关机时间=8:05\r\n", "10000",
     L"8 5 2027 12 25 | 23 0 | 周日 23 0 | 1 23 0 | 480"},
    // Empty time keys, a day that is no number and minutes with a leading zero and a tail.
    {Action::Shutdown,
     L"[关机]\r\n定时关机日期=2026-05-01\r\n每周定时关机周几=周三\r\n每月定时关机日期=abc\r\n"
     L"每月定时关机时间=08:00\r\n每次开机X分钟关机=0480x\r\n",
     "10111", L"0 0 2026 5 1 | 23 0 | 周三 0 0 | 0 8 0 | 480"},
    {Action::Shutdown, kBothSections, "01000", L"23 0 2026 12 7 | 7 30 | 周日 23 0 | 1 23 0 | 480"},
    {Action::Restart, kBothSections, "01001", L"23 0 2026 12 7 | 21 9 | 周日 23 0 | 1 23 0 | 90"},
    // What a save kept unchanged (a fraction in a field) is cut at its separators. A weekday outside the
    // list, with GBK trail bytes 0x5C and 0x5D.
    {Action::Shutdown,
     L"[关机]\r\n定时关机日期=2027-1.5-x9\r\n定时关机时间=abc\r\n每天定时关机=0.5:0\r\n每周定时关机周几=乗乚]\r\n"
     L"每周定时关机时间=23:05\r\n",
     "11100", L"0 0 2027 1.5 0 | 0.5 0 | 乗乚] 23 5 | 1 23 0 | 480"},
};

TEST(SettingsLoad, ShowsTheActionsSectionThroughFiltersAndInterlocks) {
    for (const auto& [action, ini, boxes, shown] : kLoadCases) {
        SCOPED_TRACE(ini == nullptr ? "no file" : text::ToCodePage(ini, 65001));
        Dialog dialog(action, ini);
        EXPECT_EQ(Boxes(dialog.controls), boxes);
        EXPECT_EQ(Shown(dialog.controls), shown);
    }
}

TEST(SettingsFilter, KeepsTheNumberAtTheHeadAndRunsOnceMoreOnlyAfterItsOwnReplacement) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"05", L"5"},  {L"", L"0"},      {L"abc", L"0"}, {L"480x", L"480"},
        {L"-5", L"-5"}, {L"1.5", L"1.5"}, {L"99", L"99"}, {L"&H1F", L"31"},
    };
    for (const auto& [typed, shown] : cases) {
        Controls controls;
        controls.SetText(F::Text3, typed);
        SCOPED_TRACE(text::ToCodePage(typed, 65001));
        EXPECT_EQ(controls.Text(F::Text3), shown);
        EXPECT_EQ(controls.changes[IndexOf(F::Text3)], std::wstring(typed) == shown ? 1 : 2);
    }
}

TEST(SettingsInterlock, EachBoxSwitchesExactlyItsOwnFieldsAndKeepsTheirTexts) {
    for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
        Controls controls;
        controls.SetText(kGroups[i].back(), L"42");
        std::string expected = "00000";
        for (const char value : {'1', i % 2 == 0 ? '0' : '2'}) {  // any value but 1 disables
            controls.SetCheck(static_cast<C>(i), value - '0');
            settings::Check_Click(controls, static_cast<C>(i));
            expected[i] = value;
            EXPECT_EQ(Boxes(controls), expected);
        }
        EXPECT_EQ(controls.Text(kGroups[i].back()), L"42");
    }
}

// Typed, current year, corrected.
const std::tuple<const wchar_t*, int, const wchar_t*> kCorrections[] = {
    {L"24 75 2020 13 0 | -1 5 | 周日 99 60 | 0 24 -3 | 20001", 2026,
     L"23 59 2026 12 1 | 0 5 | 周日 23 59 | 1 23 0 | 20000"},
    {L"23 59 2200 0 99 | 0.5 0 | 周日 0 0 | 32 0 59 | -5", 2026, L"23 59 2100 1 31 | 0.5 0 | 周日 0 0 | 31 0 59 | 0"},
    {L"0 0 2100 4 31 | 23 0 | 周日 23 0 | 31 23 0 | 20000", 2026,
     L"0 0 2100 4 30 | 23 0 | 周日 23 0 | 31 23 0 | 20000"},
    {L"23 0 2026 11 31", 2026, L"23 0 2026 11 30 | 23 0 | 周日 23 0 | 1 23 0 | 480"},
    {L"23 0 2026 12 31", 2026, L"23 0 2026 12 31 | 23 0 | 周日 23 0 | 1 23 0 | 480"},
    {L"23 0 2028 2 30", 2026, L"23 0 2028 2 29 | 23 0 | 周日 23 0 | 1 23 0 | 480"},
    // February's length follows the corrected year; the upper bound is tested after the raised lower one.
    {L"23 0 2024 2 29", 2027, L"23 0 2027 2 28 | 23 0 | 周日 23 0 | 1 23 0 | 480"},
    {L"23 0 2104 2 29", 2026, L"23 0 2100 2 28 | 23 0 | 周日 23 0 | 1 23 0 | 480"},
    {L"23 0 2020 2 29", 2101, L"23 0 2100 2 28 | 23 0 | 周日 23 0 | 1 23 0 | 480"},
};

TEST(SettingsSave, CorrectsEveryFieldCheckedOrNot) {
    for (const auto& [typed, currentYear, corrected] : kCorrections) {
        SCOPED_TRACE(text::ToCodePage(typed, 65001));
        Dialog dialog;
        Type(dialog.controls, typed);
        dialog.Save(currentYear);
        EXPECT_EQ(Shown(dialog.controls), corrected);
        // Nothing was checked: no value, no line.
        EXPECT_EQ(dialog.Section(Action::Shutdown), Texts(8));
        EXPECT_EQ(dialog.calls, (Texts{L"clear", L"reload"}));
    }
}

TEST(SettingsSave, AllFiveInOrderEachLineAfterTheEmptyWritesAndBeforeItsOwnKeysInItsOwnSection) {
    Dialog dialog;
    dialog.WriteIni(L"[关机]\r\n每天定时关机=06:00\r\n每次开机X分钟关机=90\r\n[重启]\r\n每天定时重启=21:00\r\n");
    dialog.controls.checks.fill(1);
    dialog.Save();
    EXPECT_EQ(
        dialog.calls,
        (Texts{L"clear", L"2026-12-07 23:00" + Blanks(4) + L"  (定时关机)", L"23:00" + Blanks(15) + L"  (每天定时关机)",
               L"周日 23:00" + Blanks(12) + L"(每周定时关机)", L"1号 23:00" + Blanks(12) + L" (每月定时关机)",
               L"480" + Blanks(17) + L"  (每次开机480分钟关机)", L"reload"}));
    // At each line the keys of the earlier triggers hold their values; at the reload all of them do.
    const Texts saved = {L"2026-12-07", L"23:00", L"23:00", L"周日", L"23:00", L"1", L"23:00", L"480"};
    const std::ptrdiff_t keysWritten[] = {0, 2, 3, 5, 7, 8};
    ASSERT_EQ(dialog.sections.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        Texts expected = saved;
        std::fill(expected.begin() + keysWritten[i], expected.end(), L"");
        EXPECT_EQ(dialog.sections[i], expected) << "call " << i + 2;
    }
    EXPECT_EQ(dialog.Section(Action::Restart)[2], L"21:00");
}

TEST(SettingsSave, RestartWritesItsSectionInGbkAfterTheUntouchedOtherOneAndCutsOnlyTheLine) {
    const std::wstring shutdown = L"[关机]\r\n每天定时关机=22:00\r\n每周定时关机周几=周三\r\n";
    const std::wstring weekday = L"每个星期三的上午和下午都要重启";
    Dialog dialog(Action::Restart);
    dialog.WriteIni(shutdown);
    dialog.controls.checks = {1, 1, 1, 0, 1};
    // A fractional hour passes the bounds and is no time of day: the joined text is kept as it is.
    Type(dialog.controls, L"0 59 2100 2 28 | .5 0 | " + weekday + L" 8 5 | 1 23 0 | 0");
    dialog.Save();
    EXPECT_EQ(dialog.calls,
              (Texts{L"clear", L"2100-02-28 00:59" + Blanks(4) + L"  (定时重启)",
                     L"0.5:0" + Blanks(15) + L"  (每天定时重启)", L"每个星期三的上午和下午都要重启 08:0(每周定时重启)",
                     L"0" + Blanks(19) + L"  (每次开机0分钟重启)", L"reload"}));
    EXPECT_EQ(dialog.folder.ReadBytes(L"timer.ini"),
              Gbk(shutdown + L"[重启]\r\n定时重启日期=2100-02-28\r\n定时重启时间=00:59\r\n每天定时重启=0.5:0\r\n" +
                  L"每周定时重启周几=" + weekday + L"\r\n每周定时重启时间=08:05\r\n每月定时重启日期=\r\n" +
                  L"每月定时重启时间=\r\n每次开机X分钟重启=0\r\n"));
}

TEST(SettingsSave, TakesTheWeekdayTheBoxShowsThoughItCameWithoutNotice) {
    Dialog dialog;
    dialog.controls.checks[IndexOf(C::Check3)] = 1;
    dialog.controls.texts[IndexOf(F::Combo1)] = L"周五";  // as WM_SETTEXT leaves it: no change notification
    dialog.controls.SetText(F::Text4, L"8");
    dialog.Save();
    EXPECT_EQ(dialog.Section(Action::Shutdown)[3], L"周五");
    EXPECT_EQ(dialog.calls.at(1), L"周五 08:00" + Blanks(12) + L"(每周定时关机)");
}

TEST(SettingsLayout, RestartTwinReplacesEveryActionWord) {
    EXPECT_EQ(TwinText(Action::Restart, L"关机关机 - 关机"), L"重启重启 - 重启");
    EXPECT_EQ(DialogCaption(Action::Restart), L"定时重启 - 设置");
}

}  // namespace
