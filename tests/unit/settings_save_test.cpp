#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dialogs/settings_model.h"
#include "schedule/ini.h"
#include "support/temp_folder.h"
#include "text/codepage.h"

namespace {

using F = SettingsField;
using C = SettingsCheck;

const text::CivilDate kToday{2026, 5, 7};

std::wstring Blanks(std::size_t count) {
    return std::wstring(count, L' ');
}

// The eight values of a section, in key order.
std::vector<std::wstring> SectionValues(const std::wstring& folder, Action action) {
    const ActionKeys& k = KeysFor(action);
    std::vector<std::wstring> values;
    for (const wchar_t* key :
         {k.onceDate, k.onceTime, k.dailyTime, k.weeklyDay, k.weeklyTime, k.monthlyDay, k.monthlyTime, k.bootMinutes}) {
        values.push_back(ini::readIniValue(ini::SettingsPath(folder), k.section, key));
    }
    return values;
}

// Records the save's calls to the main window, and what the section held at each new line.
class RecordingTarget : public SaveTarget {
  public:
    RecordingTarget(std::wstring folder, Action action) : folder_(std::move(folder)), action_(action) {}
    void ClearList() override { calls.push_back(L"clear"); }
    void AddLine(const std::wstring& line) override {
        calls.push_back(L"line");
        lines.push_back(line);
        sectionAtLine.push_back(SectionValues(folder_, action_));
    }
    void Reload() override { calls.push_back(L"reload"); }

    std::vector<std::wstring> calls;
    std::vector<std::wstring> lines;
    std::vector<std::vector<std::wstring>> sectionAtLine;

  private:
    std::wstring folder_;
    Action action_;
};

struct Fixture {
    explicit Fixture(Action action = Action::Shutdown) : model(action, folder.path()), target(folder.path(), action) {
        model.Form_Load(kToday);
    }
    void Save(int currentYear = 2026) { model.Command2_Click(currentYear, target); }

    testsupport::TempFolder folder;
    SettingsModel model;
    RecordingTarget target;
};

struct CorrectionCase {
    std::vector<std::pair<F, const wchar_t*>> typed;
    int currentYear;
    std::vector<std::pair<F, const wchar_t*>> corrected;
};

const CorrectionCase kCorrections[] = {
    {{{F::Text12, L"2020"}}, 2026, {{F::Text12, L"2026"}}},
    {{{F::Text12, L"2200"}}, 2026, {{F::Text12, L"2100"}}},
    {{{F::Text12, L"2100"}}, 2026, {{F::Text12, L"2100"}}},
    {{{F::Text13, L"13"}, {F::Text14, L"0"}}, 2026, {{F::Text13, L"12"}, {F::Text14, L"1"}}},
    {{{F::Text13, L"0"}, {F::Text14, L"99"}}, 2026, {{F::Text13, L"1"}, {F::Text14, L"31"}}},
    {{{F::Text13, L"4"}, {F::Text14, L"31"}}, 2026, {{F::Text14, L"30"}}},
    {{{F::Text13, L"11"}, {F::Text14, L"31"}}, 2026, {{F::Text14, L"30"}}},
    {{{F::Text13, L"12"}, {F::Text14, L"31"}}, 2026, {{F::Text14, L"31"}}},
    {{{F::Text12, L"2028"}, {F::Text13, L"2"}, {F::Text14, L"29"}}, 2026, {{F::Text14, L"29"}}},
    {{{F::Text12, L"2028"}, {F::Text13, L"2"}, {F::Text14, L"30"}}, 2026, {{F::Text14, L"29"}}},
    {{{F::Text12, L"2028"}, {F::Text13, L"2"}, {F::Text14, L"31"}}, 2026, {{F::Text14, L"29"}}},
    {{{F::Text12, L"2100"}, {F::Text13, L"2"}, {F::Text14, L"29"}}, 2026, {{F::Text14, L"28"}}},
    {{{F::Text12, L"2100"}, {F::Text13, L"2"}, {F::Text14, L"30"}}, 2026, {{F::Text14, L"28"}}},
    // The month-length rule sees the corrected year: 2024 and 2104 are leap years, 2027 and 2100 are not.
    {{{F::Text12, L"2024"}, {F::Text13, L"2"}, {F::Text14, L"29"}}, 2027, {{F::Text12, L"2027"}, {F::Text14, L"28"}}},
    {{{F::Text12, L"2104"}, {F::Text13, L"2"}, {F::Text14, L"29"}}, 2026, {{F::Text12, L"2100"}, {F::Text14, L"28"}}},
    {{{F::Text10, L"24"}, {F::Text11, L"75"}}, 2026, {{F::Text10, L"23"}, {F::Text11, L"59"}}},
    {{{F::Text2, L"-1"}, {F::Text3, L"5"}}, 2026, {{F::Text2, L"0"}, {F::Text3, L"5"}}},
    {{{F::Text4, L"99"}, {F::Text5, L"60"}}, 2026, {{F::Text4, L"23"}, {F::Text5, L"59"}}},
    {{{F::Text6, L"0"}, {F::Text7, L"24"}, {F::Text8, L"-3"}},
     2026,
     {{F::Text6, L"1"}, {F::Text7, L"23"}, {F::Text8, L"0"}}},
    {{{F::Text6, L"32"}}, 2026, {{F::Text6, L"31"}}},
    {{{F::Text9, L"20001"}}, 2026, {{F::Text9, L"20000"}}},
    {{{F::Text9, L"20000"}}, 2026, {{F::Text9, L"20000"}}},
    {{{F::Text9, L"-5"}}, 2026, {{F::Text9, L"0"}}},
    {{{F::Text10, L"0.5"}}, 2026, {{F::Text10, L"0.5"}}},
};

TEST(SettingsSave, CorrectsEveryFieldCheckedOrNot) {
    for (const CorrectionCase& c : kCorrections) {
        Fixture f;
        for (const auto& [field, text] : c.typed) {
            f.model.SetText(field, text);
        }
        f.Save(c.currentYear);
        for (const auto& [field, expected] : c.corrected) {
            EXPECT_EQ(f.model.Text(field), expected)
                << "field " << IndexOf(field) << " after typing " << text::ToCodePage(c.typed[0].second, 65001);
        }
        // Nothing was checked: all eight keys present and empty, no line.
        EXPECT_EQ(SectionValues(f.folder.path(), Action::Shutdown), std::vector<std::wstring>(8));
        EXPECT_TRUE(f.target.lines.empty());
    }
}

TEST(SettingsSave, AllFiveTriggersFromANewDialog) {
    Fixture f;
    for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
        f.model.SetCheck(static_cast<C>(i), 1);
    }
    f.Save();
    EXPECT_EQ(
        SectionValues(f.folder.path(), Action::Shutdown),
        (std::vector<std::wstring>{L"2026-05-07", L"23:00", L"23:00", L"周日", L"23:00", L"1", L"23:00", L"480"}));
    EXPECT_EQ(f.target.lines, (std::vector<std::wstring>{
                                  L"2026-05-07 23:00" + Blanks(4) + L"  (定时关机)",
                                  L"23:00" + Blanks(15) + L"  (每天定时关机)",
                                  L"周日 23:00" + Blanks(12) + L"(每周定时关机)",
                                  L"1号 23:00" + Blanks(12) + L" (每月定时关机)",
                                  L"480" + Blanks(17) + L"  (每次开机480分钟关机)",
                              }));
    EXPECT_EQ(f.target.calls,
              (std::vector<std::wstring>{L"clear", L"line", L"line", L"line", L"line", L"line", L"reload"}));
}

TEST(SettingsSave, EachLineComesBeforeItsOwnKeysAndAfterTheEightEmptyWrites) {
    Fixture f;
    f.folder.WriteBytes(L"timer.ini", text::ToCodePage(L"[关机]\r\n每天定时关机=06:00\r\n每次开机X分钟关机=90\r\n",
                                                       text::kGbkCodePage));
    f.model.SetCheck(C::Check1, 1);
    f.model.SetCheck(C::Check4, 1);
    f.Save();
    ASSERT_EQ(f.target.sectionAtLine.size(), 2u);
    EXPECT_EQ(f.target.sectionAtLine[0], std::vector<std::wstring>(8));
    EXPECT_EQ(f.target.sectionAtLine[1],
              (std::vector<std::wstring>{L"2026-05-07", L"23:00", L"", L"", L"", L"", L"", L""}));
    EXPECT_EQ(SectionValues(f.folder.path(), Action::Shutdown),
              (std::vector<std::wstring>{L"2026-05-07", L"23:00", L"", L"", L"", L"1", L"23:00", L""}));
}

TEST(SettingsSave, DailyOnlyWritesTheWholeSectionInGbkAndLeavesTheOtherOneAlone) {
    Fixture f;
    const std::wstring restart = L"[重启]\r\n每天定时重启=21:00\r\n每周定时重启周几=周三\r\n";
    f.folder.WriteBytes(L"timer.ini", text::ToCodePage(restart, text::kGbkCodePage));
    const auto restartBefore = SectionValues(f.folder.path(), Action::Restart);

    f.model.SetCheck(C::Check2, 1);
    f.model.SetText(F::Text2, L"9");
    f.model.SetText(F::Text3, L"5");
    f.Save();

    EXPECT_EQ(SectionValues(f.folder.path(), Action::Shutdown),
              (std::vector<std::wstring>{L"", L"", L"09:05", L"", L"", L"", L"", L""}));
    EXPECT_EQ(SectionValues(f.folder.path(), Action::Restart), restartBefore);
    EXPECT_EQ(f.target.lines, std::vector<std::wstring>{L"09:05" + Blanks(15) + L"  (每天定时关机)"});

    // Empty keys stay in the file as "key=", in the order a save writes them.
    const std::wstring file = text::FromCodePage(f.folder.ReadBytes(L"timer.ini"), text::kGbkCodePage);
    std::size_t at = file.find(L"[关机]");
    ASSERT_NE(at, std::wstring::npos);
    for (const wchar_t* entry :
         {L"定时关机日期=", L"定时关机时间=", L"每天定时关机=09:05", L"每周定时关机周几=", L"每周定时关机时间=",
          L"每月定时关机日期=", L"每月定时关机时间=", L"每次开机X分钟关机="}) {
        const std::size_t next = file.find(entry, at);
        EXPECT_NE(next, std::wstring::npos) << text::ToCodePage(entry, 65001);
        at = next == std::wstring::npos ? at : next;
    }
    EXPECT_NE(f.folder.ReadBytes(L"timer.ini").find("\xC3\xBF\xCC\xEC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA=09:05"),
              std::string::npos);
}

TEST(SettingsSave, RestartWritesItsOwnSectionAndEndings) {
    Fixture f(Action::Restart);
    f.folder.WriteBytes(L"timer.ini", text::ToCodePage(L"[关机]\r\n每天定时关机=22:00\r\n", text::kGbkCodePage));
    f.model.SetCheck(C::Check3, 1);
    f.model.SetCheck(C::Check5, 1);
    f.model.SetText(F::Combo1, L"周五");
    f.model.SetText(F::Text9, L"0");
    f.Save();
    EXPECT_EQ(SectionValues(f.folder.path(), Action::Restart),
              (std::vector<std::wstring>{L"", L"", L"", L"周五", L"23:00", L"", L"", L"0"}));
    EXPECT_EQ(SectionValues(f.folder.path(), Action::Shutdown),
              (std::vector<std::wstring>{L"", L"", L"22:00", L"", L"", L"", L"", L""}));
    EXPECT_EQ(f.target.lines, (std::vector<std::wstring>{
                                  L"周五 23:00" + Blanks(12) + L"(每周定时重启)",
                                  L"0" + Blanks(19) + L"  (每次开机0分钟重启)",
                              }));
}

TEST(SettingsSave, LongWeekdayTextIsCutInTheLineButWrittenWhole) {
    Fixture f;
    const std::wstring weekday = L"每个星期三的上午和下午都要关机";
    f.model.SetCheck(C::Check3, 1);
    f.model.SetText(F::Combo1, weekday);
    f.model.SetText(F::Text4, L"8");
    f.model.SetText(F::Text5, L"30");
    f.Save();
    EXPECT_EQ(SectionValues(f.folder.path(), Action::Shutdown)[3], weekday);
    ASSERT_EQ(f.target.lines.size(), 1u);
    EXPECT_EQ(f.target.lines[0], (weekday + L" 08:30").substr(0, 20) + L"(每周定时关机)");
}

TEST(SettingsSave, DatesAndTimesTakeTheirWrittenForms) {
    Fixture f;
    f.model.SetCheck(C::Check1, 1);
    f.model.SetCheck(C::Check2, 1);
    f.model.SetText(F::Text12, L"2100");
    f.model.SetText(F::Text13, L"3");
    f.model.SetText(F::Text14, L"7");
    f.model.SetText(F::Text10, L"9");
    f.model.SetText(F::Text11, L"5");
    // A fractional hour passes the bounds and is no time of day: the joined text is kept as it is.
    f.model.SetText(F::Text2, L".5");
    f.Save();
    const auto values = SectionValues(f.folder.path(), Action::Shutdown);
    EXPECT_EQ(values[0], L"2100-03-07");
    EXPECT_EQ(values[1], L"09:05");
    EXPECT_EQ(values[2], L"0.5:0");
    EXPECT_EQ(f.target.lines[0], L"2100-03-07 09:05" + Blanks(4) + L"  (定时关机)");
}

}  // namespace
