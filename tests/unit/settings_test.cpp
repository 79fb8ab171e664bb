#include "dialogs/settings_handlers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "dialogs/settings_layout.h"
#include "support/memory_dialog.h"

namespace {

// Types texts written as View writes them, without the boxes, up to where the words end.
void Type(Dialog& dialog, const std::wstring& texts) {
    std::wistringstream words(texts);
    std::wstring word;
    for (const auto& group : kGovernedFields) {
        for (F field : group) {
            if (words >> word && (word != L"|" || words >> word)) {
                dialog.SetText(field, word);
            }
        }
    }
}

const MemorySettings kBothSections{L"关机/定时关机时间=22:15",      L"关机/每天定时关机=07:30",
                                   L"重启/定时重启日期=2027-12-25", L"重启/定时重启时间=8:05",
                                   L"重启/每天定时重启=21:09",      L"重启/每次开机X分钟重启=90"};

// Action, stored values, view. A one-time time without its date is not read.
const std::tuple<Action, MemorySettings, std::wstring> kLoadCases[] = {
    {Action::Shutdown, {}, L"00000: 23 0 2026 12 17 | 23 0 | 周日 23 0 | 1 23 0 | 480"},
    // Empty time keys, a day that is no number and minutes with a leading zero and a tail.
    {Action::Shutdown,
     {L"关机/定时关机日期=2026-05-01", L"关机/每周定时关机周几=周三", L"关机/每月定时关机日期=abc",
      L"关机/每月定时关机时间=08:00", L"关机/每次开机X分钟关机=0480x"},
     L"10111: 0 0 2026 5 1 | 23 0 | 周三 0 0 | 0 8 0 | 480"},
    {Action::Shutdown, kBothSections, L"01000: 23 0 2026 12 17 | 7 30 | 周日 23 0 | 1 23 0 | 480"},
    {Action::Restart, kBothSections, L"11001: 8 5 2027 12 25 | 21 9 | 周日 23 0 | 1 23 0 | 90"},
    // What a save kept unchanged (a fraction in a field) is cut at its separators, as is a date that reads only
    // as a time and a time that is none; a time that reads only as a date is midnight. A weekday outside the list.
    {Action::Shutdown,
     {L"关机/定时关机日期=2027-1.5-x9", L"关机/定时关机时间=abc", L"关机/每天定时关机=0.5:0",
      L"关机/每周定时关机周几=乗乚]", L"关机/每周定时关机时间=23:05"},
     L"11100: 0 0 2027 1.5 0 | 0.5 0 | 乗乚] 23 5 | 1 23 0 | 480"},
    {Action::Shutdown,
     {L"关机/定时关机日期=23:05", L"关机/定时关机时间=2026-12-04", L"关机/每天定时关机=25:07"},
     L"11000: 0 0 23 0 0 | 25 7 | 周日 23 0 | 1 23 0 | 480"},
};

// Then every box set to 2: any value but 1 disables.
TEST(SettingsLoad, ShowsTheActionsSectionThroughFiltersAndInterlocks) {
    for (const auto& [action, ini, view] : kLoadCases) {
        Dialog dialog(action, ini);
        EXPECT_EQ(View(dialog), view);
        for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
            dialog.SetCheck(static_cast<SettingsCheck>(i), 2);
            settings::Check_Click(dialog, static_cast<SettingsCheck>(i));
        }
        EXPECT_EQ(View(dialog), L"22222" + view.substr(5));
    }
}

// Typed, current year, the texts after the save (as far as typed).
const std::tuple<const wchar_t*, int, std::wstring> kCorrections[] = {
    {L"24 75 2020 13 0 | 24 60 | 周日 99 60 | 0 24 -3 | 20001", 2026,
     L"23 59 2026 12 1 | 23 59 | 周日 23 59 | 1 23 0 | 20000"},
    {L"23 59 2200 0 99 | 0.5 0 | 周日 0 0 | 32 0 60 | -5", 2026, L"23 59 2100 1 31 | 0.5 0 | 周日 0 0 | 31 0 59 | 0"},
    {L"0 0 2100 4 31", 2026, L"0 0 2100 4 30"},
    {L"0 0 2026 6 31", 2026, L"0 0 2026 6 30"},
    {L"0 0 2026 9 31", 2026, L"0 0 2026 9 30"},
    {L"0 0 2026 11 31", 2026, L"0 0 2026 11 30"},
    {L"0 0 2028 2 30", 2026, L"0 0 2028 2 29"},
    {L"0 0 2028 2 28.6", 2026, L"0 0 2028 2 28.6"},  // reads as 29, not beyond February
    {L"0 0 2027 2 28.6", 2026, L"0 0 2027 2 28"},
    // February's length follows the corrected year; the upper bound is tested after the raised lower one.
    {L"0 0 2024 2 29", 2027, L"0 0 2027 2 28"},
    {L"0 0 2104 2 29", 2026, L"0 0 2100 2 28"},
    {L"0 0 2020 2 29", 2101, L"0 0 2100 2 28"},
};

TEST(SettingsSave, CorrectsEveryFieldCheckedOrNot) {
    for (const auto& [typed, currentYear, corrected] : kCorrections) {
        Dialog dialog;
        dialog.checks.fill(2);
        Type(dialog, typed);
        dialog.Save(currentYear);
        EXPECT_EQ(View(dialog).substr(7, corrected.size()), corrected);
        // Nothing was checked (2 is not 1): no line, no value by the reload.
        EXPECT_EQ(dialog.calls, (Texts{L"clear", L"reload @0"}));
    }
}

TEST(SettingsSave, EmptiesTheSectionThenWritesEachCheckedTriggersLineAndKeysInOrder) {
    const std::wstring weekday = L"每个星期三的上午和下午都要重启";
    Dialog dialog(Action::Restart,
                  {L"关机/每天定时关机=22:00", L"重启/每天定时重启=06:00", L"重启/每次开机X分钟重启=90"});
    dialog.checks.fill(1);
    // A fractional hour passes the bounds and is no time of day: the joined text is kept as it is.
    Type(dialog, L"0 59 2100 2 28 | .5 0 | 周一 8 5 | 1 23 0 | 0");
    // The weekday as a tool's WM_SETTEXT leaves it, without a change notification: what the box shows is saved.
    dialog.texts[IndexOf(F::Combo1)] = weekday;
    dialog.Save();
    EXPECT_EQ(dialog.calls,
              (Texts{L"clear", L"2100-02-28 00:59" + std::wstring(4, L' ') + L"  (定时重启) @0",
                     L"0.5:0" + std::wstring(15, L' ') + L"  (每天定时重启) @2", weekday + L" 08:0(每周定时重启) @3",
                     L"1号 23:00" + std::wstring(12, L' ') + L" (每月定时重启) @5",
                     L"0" + std::wstring(19, L' ') + L"  (每次开机0分钟重启) @7", L"reload @8"}));
    EXPECT_EQ(dialog.Section(Action::Restart),
              (Texts{L"2100-02-28", L"00:59", L"0.5:0", weekday, L"08:05", L"1", L"23:00", L"0"}));
    EXPECT_EQ(dialog.Section(Action::Shutdown), (Texts{L"", L"", L"22:00", L"", L"", L"", L"", L""}));
}

TEST(SettingsLayout, RestartTwinReplacesEveryActionWord) {
    EXPECT_EQ(TwinText(Action::Restart, L"关机关机 - 关机"), L"重启重启 - 重启");
}

}  // namespace
