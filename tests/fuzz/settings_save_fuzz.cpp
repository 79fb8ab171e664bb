// clang-format off
// fuzz-sources: src/dialogs/settings_handlers.cpp src/dialogs/settings_save.cpp src/schedule/summary_line.cpp src/schedule/loader.cpp src/schedule/ini.cpp src/schedule/schedule_model.cpp src/text/numbers.cpp src/text/decimal_digits.cpp src/text/dates.cpp src/text/codepage.cpp src/platform/host/codepage.cpp src/platform/host/profile.cpp src/platform/host/process.cpp
// clang-format on
// A settings dialog saved with arbitrary texts and boxes over a file holding both sections: the reload
// agrees with the fields, the other section is untouched, and a reopened dialog saves the same bytes.
// Byte 0: the action (bit 0) and the five boxes (bits 1-5); byte 1: the current year; the rest, split at
// '\n' and decoded from code page 936, the texts of Text2 ... Text14 and Combo1.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/settings_handlers.h"
#include "fuzz_input.h"
#include "schedule/loader.h"

namespace {

namespace fs = std::filesystem;
using F = SettingsField;
using C = SettingsCheck;

struct Controls : SettingsControls {
    std::wstring Text(F field) const override { return texts[IndexOf(field)]; }
    void SetText(F field, const std::wstring& text) override {
        if (std::exchange(texts[IndexOf(field)], text) != text && field != F::Combo1) {
            settings::Text_Change(*this, field);
        }
    }
    int Check(C box) const override { return checks[IndexOf(box)]; }
    void SetCheck(C box, int value) override { checks[IndexOf(box)] = value; }
    void Enable(F, bool, int) override {}
    bool On(C box) const { return checks[IndexOf(box)] == 1; }
    std::array<std::wstring, kSettingsFieldCount> texts;
    std::array<int, kSettingsCheckCount> checks{};
};

struct ListTarget : SaveTarget {
    ListTarget(ScheduleModel& m, const std::wstring& f) : model(m), folder(f) {}
    void ClearList() override { lines.clear(); }
    void AddLine(const std::wstring& line) override { lines.push_back(line); }
    void Reload() override { LoadSchedule(model, folder); }
    std::vector<std::wstring> lines;
    ScheduleModel& model;
    const std::wstring& folder;
};

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whole numbers in every field named, so that the joined date or time is one the save can format.
bool Plain(const Controls& dialog, std::initializer_list<F> fields) {
    return std::all_of(fields.begin(), fields.end(), [&](F field) {
        const std::wstring& t = dialog.texts[IndexOf(field)];
        return !t.empty() && t.size() <= 9 && t.find_first_not_of(L"0123456789") == std::wstring::npos;
    });
}

bool IsClockTime(const std::wstring& stored) {
    const auto reading = text::ReadDateTime(stored);
    return stored.size() == 5 && reading && !reading->date && reading->time;
}

// A weekday the file hands back unchanged: representable in code page 936, short enough for the reader,
// and without the blanks or quotes around it that the profile functions strip.
bool SurvivesFile(const std::wstring& text) {
    const std::string bytes = text::ToCodePage(text, text::kGbkCodePage);
    const bool quoted = text.size() >= 2 && text.front() == text.back() && (text[0] == L'"' || text[0] == L'\'');
    return !text.empty() && text::FromCodePage(bytes, text::kGbkCodePage) == text && bytes.size() <= 254 && !quoted &&
           std::wstring(L" \t\v\f").find_first_of(text.front()) == std::wstring::npos &&
           std::wstring(L" \t\v\f").find_first_of(text.back()) == std::wstring::npos;
}

void CheckReload(const Controls& dialog, const ActionSchedule& s, int currentYear) {
    if (dialog.On(C::Check1) && Plain(dialog, {F::Text12, F::Text13, F::Text14})) {
        const auto reading = text::ReadDateTime(s.onceDate);
        fuzz::Require(reading && reading->date && reading->date->year >= std::min(currentYear, 2100) &&
                          reading->date->year <= 2100,
                      "a calendar date between this year and 2100");
    }
    const auto time = [&](C box, F hour, F minute, const std::wstring& stored) {
        fuzz::Require(dialog.On(box) ? !Plain(dialog, {hour, minute}) || IsClockTime(stored) : stored.empty(),
                      "a checked trigger's time is a clock time, an unchecked one's is cleared");
    };
    time(C::Check1, F::Text10, F::Text11, s.onceTime);
    time(C::Check2, F::Text2, F::Text3, s.dailyTime);
    if (dialog.On(C::Check3) && SurvivesFile(dialog.texts[IndexOf(F::Combo1)])) {
        fuzz::Require(s.weeklyDay == dialog.texts[IndexOf(F::Combo1)], "the weekday text is stored unchanged");
        time(C::Check3, F::Text4, F::Text5, s.weeklyTime);
    }
    time(C::Check4, F::Text7, F::Text8, s.monthlyTime);
    fuzz::Require(dialog.On(C::Check4) ? s.monthlyDay >= 1 && s.monthlyDay <= 31 : s.monthlyDay == 0, "day 1-31");
    fuzz::Require(dialog.On(C::Check5) ? s.bootMinutes >= 0 && s.bootMinutes <= 20000 : s.bootMinutes == 0,
                  "minutes 0-20000");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    static const fs::path native = fs::temp_directory_path() / ("save-fuzz-" + std::to_string(getpid()));
    static const std::wstring folder = [] {
        fs::create_directories(native);
        std::wstring windows = text::FromCodePage(native.string(), 65001);
        std::replace(windows.begin(), windows.end(), L'/', L'\\');
        return windows;
    }();
    // Every key of both sections set, so a value the save fails to clear shows up after the reload.
    static const std::string oldFile = text::ToCodePage(
        L"[关机]\r\n定时关机日期=2030-01-02\r\n定时关机时间=01:02\r\n每天定时关机=03:04\r\n"
        L"每周定时关机周几=周三\r\n每周定时关机时间=05:06\r\n每月定时关机日期=7\r\n"
        L"每月定时关机时间=08:09\r\n每次开机X分钟关机=10\r\n[重启]\r\n定时重启日期=2031-11-12\r\n"
        L"定时重启时间=11:12\r\n每天定时重启=13:14\r\n每周定时重启周几=周六\r\n每周定时重启时间=15:16\r\n"
        L"每月定时重启日期=17\r\n每月定时重启时间=18:19\r\n每次开机X分钟重启=20\r\n",
        text::kGbkCodePage);
    const fs::path file = native / "timer.ini";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << oldFile;
    const Action action = (data[0] & 1) != 0 ? Action::Restart : Action::Shutdown;
    const Action other = action == Action::Shutdown ? Action::Restart : Action::Shutdown;
    const int currentYear = 1990 + data[1] % 120;

    ScheduleModel model;
    LoadSchedule(model, folder);
    const ActionSchedule otherBefore = model.For(other);
    Controls dialog;
    settings::Form_Load(dialog, action, folder, {currentYear, 2, 28});
    for (std::size_t box = 0; box < kSettingsCheckCount; ++box) {
        dialog.checks[box] = (data[0] >> (box + 1)) & 1;
    }
    // A single-line edit box never holds a line break or a NUL.
    std::wstring texts = fuzz::FromGbk(data + 2, size - 2);
    std::replace(texts.begin(), texts.end(), L'\r', L' ');
    std::replace(texts.begin(), texts.end(), L'\0', L' ');
    for (std::size_t field = 0, start = 0; field < kSettingsFieldCount && start <= texts.size(); ++field) {
        const std::size_t end = std::min(texts.find(L'\n', start), texts.size());
        dialog.SetText(static_cast<F>(field), texts.substr(start, end - start));
        start = end + 1;
    }

    ListTarget target(model, folder);
    settings::Command2_Click(dialog, action, folder, currentYear, target);
    fuzz::Require(static_cast<int>(target.lines.size()) == std::count(dialog.checks.begin(), dialog.checks.end(), 1),
                  "one line per checked trigger");
    for (const std::wstring& line : target.lines) {
        fuzz::Require(line.find(ActionWord(action)) != std::wstring::npos, "each line names its action");
    }
    fuzz::Require(model.For(other) == otherBefore, "the other action's section is untouched");
    CheckReload(dialog, model.For(action), currentYear);

    // A reopened dialog shows what was saved and saves the same bytes; not so for texts the file changes.
    if ((!dialog.On(C::Check3) || SurvivesFile(dialog.texts[IndexOf(F::Combo1)])) &&
        (!dialog.On(C::Check1) || Plain(dialog, {F::Text10, F::Text11, F::Text12, F::Text13, F::Text14})) &&
        (!dialog.On(C::Check2) || Plain(dialog, {F::Text2, F::Text3})) &&
        (!dialog.On(C::Check3) || Plain(dialog, {F::Text4, F::Text5})) &&
        (!dialog.On(C::Check4) || Plain(dialog, {F::Text7, F::Text8}))) {
        const std::string saved = FileBytes(file);
        Controls reopened;
        settings::Form_Load(reopened, action, folder, {currentYear, 2, 28});
        fuzz::Require(reopened.checks == dialog.checks, "same boxes");
        settings::Command2_Click(reopened, action, folder, currentYear, target);
        fuzz::Require(FileBytes(file) == saved, "saving the reopened dialog rewrites the same bytes");
    }
    return 0;
}
