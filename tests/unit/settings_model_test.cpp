#include "dialogs/settings_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_folder.h"
#include "text/codepage.h"

namespace {

using F = SettingsField;
using C = SettingsCheck;

const text::CivilDate kToday{2026, 5, 7};

void WriteIni(const testsupport::TempFolder& folder, const std::wstring& content) {
    folder.WriteBytes(L"timer.ini", text::ToCodePage(content, text::kGbkCodePage));
}

struct LoadCase {
    const char* name;
    Action action;
    const wchar_t* ini;  // nullptr: no file at all
    std::vector<int> checks;
    std::vector<std::pair<F, const wchar_t*>> texts;
};

const std::vector<std::pair<F, const wchar_t*>> kNewDialogTexts = {
    {F::Text12, L"2026"}, {F::Text13, L"5"}, {F::Text14, L"7"},    {F::Text10, L"23"}, {F::Text11, L"0"},
    {F::Text2, L"23"},    {F::Text3, L"0"},  {F::Combo1, L"周日"}, {F::Text4, L"23"},  {F::Text5, L"0"},
    {F::Text6, L"1"},     {F::Text7, L"23"}, {F::Text8, L"0"},     {F::Text9, L"480"},
};

const LoadCase kLoadCases[] = {
    {"NoFile", Action::Shutdown, nullptr, {0, 0, 0, 0, 0}, kNewDialogTexts},
    {"EmptyFile", Action::Shutdown, L"", {0, 0, 0, 0, 0}, kNewDialogTexts},
    {"DateWithTime",
     Action::Shutdown,
     L"[关机]\r\n定时关机日期=2027-12-25\r\n定时关机时间=8:05\r\n",
     {1, 0, 0, 0, 0},
     {{F::Text12, L"2027"}, {F::Text13, L"12"}, {F::Text14, L"25"}, {F::Text10, L"8"}, {F::Text11, L"5"}}},
    {"TimeWithoutDateIsIgnored",
     Action::Shutdown,
     L"[关机]\r\n定时关机日期=\r\n定时关机时间=22:15\r\n",
     {0, 0, 0, 0, 0},
     {{F::Text12, L"2026"}, {F::Text13, L"5"}, {F::Text14, L"7"}, {F::Text10, L"23"}, {F::Text11, L"0"}}},
    {"DateWithoutTime",
     Action::Shutdown,
     L"[关机]\r\n定时关机日期=2026-05-01\r\n",
     {1, 0, 0, 0, 0},
     {{F::Text12, L"2026"}, {F::Text13, L"5"}, {F::Text14, L"1"}, {F::Text10, L"0"}, {F::Text11, L"0"}}},
    {"Daily",
     Action::Shutdown,
     L"[关机]\r\n每天定时关机=07:30\r\n",
     {0, 1, 0, 0, 0},
     {{F::Text2, L"7"}, {F::Text3, L"30"}}},
    {"WeekdayWithoutTime",
     Action::Shutdown,
     L"[关机]\r\n每周定时关机周几=周三\r\n",
     {0, 0, 1, 0, 0},
     {{F::Combo1, L"周三"}, {F::Text4, L"0"}, {F::Text5, L"0"}}},
    {"WeekdayNotInTheList",
     Action::Shutdown,
     L"[关机]\r\n每周定时关机周几=星期三上午\r\n每周定时关机时间=08:30\r\n",
     {0, 0, 1, 0, 0},
     {{F::Combo1, L"星期三上午"}, {F::Text4, L"8"}, {F::Text5, L"30"}}},
    // Trail bytes 0x5C and 0x5D must survive the trip through the file.
    {"WeekdayWithAwkwardGbkBytes",
     Action::Shutdown,
     L"[关机]\r\n每周定时关机周几=乗乚]\r\n每周定时关机时间=23:05\r\n",
     {0, 0, 1, 0, 0},
     {{F::Combo1, L"乗乚]"}, {F::Text4, L"23"}, {F::Text5, L"5"}}},
    {"MonthlyDayNotANumber",
     Action::Shutdown,
     L"[关机]\r\n每月定时关机日期=abc\r\n每月定时关机时间=08:00\r\n",
     {0, 0, 0, 1, 0},
     {{F::Text6, L"0"}, {F::Text7, L"8"}, {F::Text8, L"0"}}},
    // Texts the save keeps unchanged (a fraction in a field) come back split at their separators.
    {"TimeThatIsNoTime",
     Action::Shutdown,
     L"[关机]\r\n每天定时关机=0.5:0\r\n",
     {0, 1, 0, 0, 0},
     {{F::Text2, L"0.5"}, {F::Text3, L"0"}}},
    {"DateThatIsNoDate",
     Action::Shutdown,
     L"[关机]\r\n定时关机日期=2027-1.5-x9\r\n定时关机时间=abc\r\n",
     {1, 0, 0, 0, 0},
     {{F::Text12, L"2027"}, {F::Text13, L"1.5"}, {F::Text14, L"0"}, {F::Text10, L"0"}, {F::Text11, L"0"}}},
    {"MinutesNotANumber",
     Action::Shutdown,
     L"[关机]\r\n每次开机X分钟关机=abc\r\n",
     {0, 0, 0, 0, 1},
     {{F::Text9, L"0"}}},
    {"MinutesWithLeadingZero",
     Action::Shutdown,
     L"[关机]\r\n每次开机X分钟关机=0480\r\n",
     {0, 0, 0, 0, 1},
     {{F::Text9, L"480"}}},
    {"OtherSectionIsNotRead",
     Action::Shutdown,
     L"[重启]\r\n每天定时重启=21:00\r\n每次开机X分钟重启=90\r\n",
     {0, 0, 0, 0, 0},
     {{F::Text2, L"23"}, {F::Text9, L"480"}}},
    {"RestartReadsItsOwnKeys",
     Action::Restart,
     L"[关机]\r\n每天定时关机=22:00\r\n[重启]\r\n每天定时重启=21:09\r\n每次开机X分钟重启=90\r\n",
     {0, 1, 0, 0, 1},
     {{F::Text2, L"21"}, {F::Text3, L"9"}, {F::Text9, L"90"}}},
};

class SettingsLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SettingsLoad, ShowsTheFileThroughFiltersAndInterlocks) {
    const LoadCase& c = GetParam();
    testsupport::TempFolder folder;
    if (c.ini != nullptr) {
        WriteIni(folder, c.ini);
    }
    SettingsModel model(c.action, folder.path());
    model.Form_Load(kToday);

    for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
        const auto box = static_cast<C>(i);
        EXPECT_EQ(model.Check(box), c.checks[i]) << "Check" << i + 1;
        for (F field : GovernedFields(box)) {
            EXPECT_EQ(model.Enabled(field), c.checks[i] == 1) << "field " << IndexOf(field);
            EXPECT_EQ(model.Background(field), c.checks[i] == 1 ? kWindowBackground : kButtonFace);
        }
    }
    for (const auto& [field, expected] : c.texts) {
        EXPECT_EQ(model.Text(field), expected) << "field " << IndexOf(field);
    }
}

std::string CaseName(const ::testing::TestParamInfo<LoadCase>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsLoad, ::testing::ValuesIn(kLoadCases), CaseName);

TEST(SettingsLoad, TodaysLeadingZerosGoThroughTheFilter) {
    testsupport::TempFolder folder;
    SettingsModel model(Action::Shutdown, folder.path());
    model.Form_Load({2026, 1, 9});
    EXPECT_EQ(model.Text(F::Text13), L"1");
    EXPECT_EQ(model.Text(F::Text14), L"9");
    // "01" and "09" each changed the field, and the filter's replacement ran it once more.
    EXPECT_EQ(model.FilterRuns(F::Text13), 2);
    EXPECT_EQ(model.FilterRuns(F::Text14), 2);
    EXPECT_EQ(model.FilterRuns(F::Text12), 1);
}

struct FilterCase {
    const wchar_t* typed;
    const wchar_t* shown;
};

// Typed, pasted or deleted into a field that shows "0".
const FilterCase kFilterCases[] = {
    {L"05", L"5"},        {L"0a", L"0"},  {L"", L"0"},     {L"480x", L"480"}, {L"-5", L"-5"},
    {L"1.5", L"1.5"},     {L"1.", L"1"},  {L"1 2", L"12"}, {L"&H1F", L"31"},  {L"&O17", L"15"},
    {L"12345", L"12345"}, {L"99", L"99"}, {L"abc", L"0"},  {L" 7", L"7"},     {L"+3", L"3"},
};

TEST(SettingsFilter, KeepsThePlainNumberAtTheHeadAndRunsOnceMoreOnlyAfterAReplacement) {
    for (const FilterCase& c : kFilterCases) {
        testsupport::TempFolder folder;
        SettingsModel model(Action::Shutdown, folder.path());
        ASSERT_EQ(model.Text(F::Text3), L"0");
        model.SetText(F::Text3, c.typed);
        EXPECT_EQ(model.Text(F::Text3), c.shown) << "typed \"" << text::ToCodePage(c.typed, 65001) << '"';
        const int expectedRuns = std::wstring(c.typed) == c.shown ? 1 : 2;
        EXPECT_EQ(model.FilterRuns(F::Text3), expectedRuns) << text::ToCodePage(c.typed, 65001);
    }
}

TEST(SettingsFilter, SameTextIsNoChangeAndTheWeekdayIsNotFiltered) {
    testsupport::TempFolder folder;
    SettingsModel model(Action::Shutdown, folder.path());
    model.SetText(F::Text2, L"23");
    EXPECT_EQ(model.FilterRuns(F::Text2), 0);
    model.SetText(F::Combo1, L"明天 abc");
    EXPECT_EQ(model.Text(F::Combo1), L"明天 abc");
    EXPECT_EQ(model.FilterRuns(F::Combo1), 0);
}

TEST(SettingsInterlock, EachBoxSwitchesExactlyItsOwnFieldsAndKeepsTheirTexts) {
    for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
        const auto box = static_cast<C>(i);
        testsupport::TempFolder folder;
        SettingsModel model(Action::Shutdown, folder.path());
        const std::set<F> own(GovernedFields(box).begin(), GovernedFields(box).end());
        model.SetText(GovernedFields(box).back(), L"42");

        model.SetCheck(box, 1);
        for (std::size_t f = 0; f < kSettingsFieldCount; ++f) {
            const auto field = static_cast<F>(f);
            const bool mine = own.count(field) == 1;
            EXPECT_EQ(model.Enabled(field), mine) << "Check" << i + 1 << " field " << f;
            EXPECT_EQ(model.Background(field), mine ? kWindowBackground : kButtonFace);
        }

        model.SetCheck(box, i % 2 == 0 ? 0 : 2);  // any value but 1 disables
        for (F field : own) {
            EXPECT_FALSE(model.Enabled(field));
            EXPECT_EQ(model.Background(field), kButtonFace);
        }
        EXPECT_EQ(model.Text(GovernedFields(box).back()), L"42");
    }
}

}  // namespace
