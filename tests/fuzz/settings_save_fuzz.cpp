// clang-format off
// fuzz-sources: src/dialogs/settings_model.cpp src/dialogs/settings_save.cpp src/app/summary_lines.cpp src/schedule/loader.cpp src/schedule/ini.cpp src/schedule/schedule_model.cpp src/text/numbers.cpp src/text/dates.cpp src/text/codepage.cpp src/platform/host/codepage.cpp src/platform/host/profile.cpp src/platform/host/process.cpp
// clang-format on
// A settings dialog saved with arbitrary texts and boxes over a file holding both sections: the reload
// agrees with the fields, the other section is untouched, and a reopened dialog saves the same bytes.
// Byte 0: the action (bit 0) and the five boxes (bits 1-5); byte 1: the current year; the rest, split at
// '\n' and decoded from code page 936, the texts of Text2 ... Text14 and Combo1.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "dialogs/settings_model.h"
#include "fuzz_input.h"
#include "schedule/loader.h"
#include "text/dates.h"

namespace {

namespace fs = std::filesystem;
using F = SettingsField;
using C = SettingsCheck;

struct Folder {
    fs::path native = fs::temp_directory_path() / ("save-fuzz-" + std::to_string(getpid()));
    std::wstring windows;
    Folder() {
        fs::create_directories(native);
        windows = text::FromCodePage(native.string(), 65001);
        std::replace(windows.begin(), windows.end(), L'/', L'\\');
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(native, ignored);
    }
};

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct ListTarget : SaveTarget {
    ListTarget(ScheduleModel& m, const std::wstring& f) : model(m), folder(f) {}
    void ClearList() override { lines.clear(); }
    void AddLine(const std::wstring& line) override { lines.push_back(line); }
    void Reload() override { LoadSchedule(model, folder); }
    std::vector<std::wstring> lines;
    ScheduleModel& model;
    const std::wstring& folder;
};

// Whole numbers in every field named, or the box is not ticked.
bool Plain(const SettingsModel& dialog, C box, std::initializer_list<F> fields) {
    return dialog.Check(box) != 1 || std::all_of(fields.begin(), fields.end(), [&](F field) {
               const std::wstring& t = dialog.Text(field);
               return !t.empty() && t.size() <= 9 && t.find_first_not_of(L"0123456789") == std::wstring::npos;
           });
}

// A text the file hands back unchanged: representable in code page 936, no blanks or quotes the profile
// functions strip, short enough for the reader's buffer.
bool SurvivesFile(const std::wstring& text) {
    const std::string bytes = text::ToCodePage(text, text::kGbkCodePage);
    const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f'; };
    const bool quoted = text.size() >= 2 && text.front() == text.back() && (text[0] == L'"' || text[0] == L'\'');
    return text::FromCodePage(bytes, text::kGbkCodePage) == text && bytes.size() <= 254 && !quoted &&
           (text.empty() || (!blank(text.front()) && !blank(text.back())));
}

bool IsClockTime(const std::wstring& stored) {
    const auto reading = text::ReadDateTime(stored);
    return stored.size() == 5 && reading && !reading->date && reading->time;
}

void CheckOnce(const SettingsModel& dialog, const ActionSchedule& s, int currentYear) {
    if (dialog.Check(C::Check1) != 1) {
        return fuzz::Require(s.onceDate.empty() && s.onceTime.empty(), "an unchecked one-time trigger is cleared");
    }
    fuzz::Require(!s.onceDate.empty(), "a checked one-time trigger keeps its date");
    if (Plain(dialog, C::Check1, {F::Text12, F::Text13, F::Text14})) {
        const auto reading = text::ReadDateTime(s.onceDate);
        fuzz::Require(s.onceDate.size() == 10 && reading && reading->date && !reading->time, "a real calendar date");
        // The lower bound is applied first, so after 2100 the upper one wins.
        fuzz::Require(reading->date->year >= std::min(currentYear, 2100) && reading->date->year <= 2100,
                      "the year lies between this year and 2100");
    }
    fuzz::Require(!Plain(dialog, C::Check1, {F::Text10, F::Text11}) || IsClockTime(s.onceTime), "a clock time");
}

void CheckRepeating(const SettingsModel& dialog, const ActionSchedule& s) {
    const auto on = [&](C box) { return dialog.Check(box) == 1; };
    fuzz::Require(on(C::Check2) ? !Plain(dialog, C::Check2, {F::Text2, F::Text3}) || IsClockTime(s.dailyTime)
                                : s.dailyTime.empty(),
                  "the daily trigger");
    const std::wstring& combo = dialog.Text(F::Combo1);
    // The profile functions trim blanks around a value, so a weekday of blanks reads back as none.
    if (!on(C::Check3) || combo.find_first_not_of(L" \t\v\f") == std::wstring::npos) {
        fuzz::Require(s.weeklyDay.empty() && s.weeklyTime.empty() && s.weeklyDayNumber == 0,
                      "a weekly trigger without a weekday reads as off");
    } else {
        fuzz::Require(!SurvivesFile(combo) || s.weeklyDay == combo, "the weekday text is stored unchanged");
        fuzz::Require(s.weeklyDayNumber == WeekdayNumberOf(s.weeklyDay), "the weekday number follows the text");
        fuzz::Require(!Plain(dialog, C::Check3, {F::Text4, F::Text5}) || IsClockTime(s.weeklyTime), "weekly time");
    }
    fuzz::Require(on(C::Check4) ? s.monthlyDay >= 1 && s.monthlyDay <= 31 &&
                                      (!Plain(dialog, C::Check4, {F::Text7, F::Text8}) || IsClockTime(s.monthlyTime))
                                : s.monthlyDay == 0 && s.monthlyTime.empty(),
                  "the monthly trigger: day in 1-31, a clock time, or cleared");
    fuzz::Require(on(C::Check5) ? s.bootMinutes >= 0 && s.bootMinutes <= 20000 : s.bootMinutes == 0,
                  "the after-start minutes lie in 0-20000, or are cleared");
}

void FillFields(SettingsModel& dialog, const std::uint8_t* data, std::size_t size) {
    std::size_t field = 0, start = 0;
    for (std::size_t i = 0; i <= size && field < kSettingsFieldCount; ++i) {
        if (i == size || data[i] == '\n') {
            std::wstring part = fuzz::FromGbk(data + start, i - start);
            // A single-line edit box never holds a line break or a NUL.
            std::replace(part.begin(), part.end(), L'\r', L' ');
            std::replace(part.begin(), part.end(), L'\0', L' ');
            dialog.SetText(static_cast<F>(field++), part);
            start = i + 1;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    static const Folder folder;
    // Every key of both sections set, so a value the save fails to clear shows up after the reload.
    static const std::string oldFile = text::ToCodePage(
        L"[关机]\r\n定时关机日期=2030-01-02\r\n定时关机时间=01:02\r\n每天定时关机=03:04\r\n"
        L"每周定时关机周几=周三\r\n每周定时关机时间=05:06\r\n每月定时关机日期=7\r\n"
        L"每月定时关机时间=08:09\r\n每次开机X分钟关机=10\r\n[重启]\r\n定时重启日期=2031-11-12\r\n"
        L"定时重启时间=11:12\r\n每天定时重启=13:14\r\n每周定时重启周几=周六\r\n每周定时重启时间=15:16\r\n"
        L"每月定时重启日期=17\r\n每月定时重启时间=18:19\r\n每次开机X分钟重启=20\r\n",
        text::kGbkCodePage);
    const fs::path file = folder.native / "timer.ini";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << oldFile;
    const Action action = (data[0] & 1) != 0 ? Action::Restart : Action::Shutdown;
    const Action other = action == Action::Shutdown ? Action::Restart : Action::Shutdown;
    const int currentYear = 1990 + data[1] % 120;
    const text::CivilDate today{currentYear, 2, 28};

    ScheduleModel model;
    LoadSchedule(model, folder.windows);
    const ActionSchedule otherBefore = model.For(other);
    SettingsModel dialog(action, folder.windows);
    dialog.Form_Load(today);
    int checked = 0;
    for (std::size_t box = 0; box < kSettingsCheckCount; ++box) {
        dialog.SetCheck(static_cast<C>(box), (data[0] >> (box + 1)) & 1);
        checked += dialog.Check(static_cast<C>(box));
    }
    FillFields(dialog, data + 2, size - 2);

    ListTarget target(model, folder.windows);
    dialog.Command2_Click(currentYear, target);
    fuzz::Require(static_cast<int>(target.lines.size()) == checked, "one line per checked trigger");
    for (const std::wstring& line : target.lines) {
        fuzz::Require(line.find(ActionWord(action)) != std::wstring::npos, "each line names its action");
    }
    fuzz::Require(model.For(other) == otherBefore, "the other action's section is untouched");
    CheckOnce(dialog, model.For(action), currentYear);
    CheckRepeating(dialog, model.For(action));

    // A reopened dialog shows what was saved and saves the same bytes; not so for a weekly time without
    // a weekday (written, never read back) or for texts the file changes.
    const std::wstring& combo = dialog.Text(F::Combo1);
    if ((dialog.Check(C::Check3) != 1 || (!combo.empty() && SurvivesFile(combo))) &&
        Plain(dialog, C::Check1, {F::Text10, F::Text11, F::Text12, F::Text13, F::Text14}) &&
        Plain(dialog, C::Check2, {F::Text2, F::Text3}) && Plain(dialog, C::Check3, {F::Text4, F::Text5}) &&
        Plain(dialog, C::Check4, {F::Text7, F::Text8})) {
        const std::string saved = FileBytes(file);
        SettingsModel reopened(action, folder.windows);
        reopened.Form_Load(today);
        for (std::size_t box = 0; box < kSettingsCheckCount; ++box) {
            fuzz::Require(reopened.Check(static_cast<C>(box)) == dialog.Check(static_cast<C>(box)), "same boxes");
        }
        for (std::size_t i = 0; i < kSettingsFieldCount; ++i) {
            const auto field = static_cast<F>(i);
            fuzz::Require(!reopened.Enabled(field) || reopened.Text(field) == dialog.Text(field), "same fields");
        }
        reopened.Command2_Click(currentYear, target);
        fuzz::Require(FileBytes(file) == saved, "saving the reopened dialog rewrites the same bytes");
    }
    return 0;
}
