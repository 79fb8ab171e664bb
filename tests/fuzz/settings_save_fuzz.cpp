// clang-format off
// fuzz-sources: src/dialogs/settings_model.cpp src/dialogs/settings_save.cpp src/app/summary_lines.cpp src/schedule/loader.cpp src/schedule/ini.cpp src/schedule/schedule_model.cpp src/text/numbers.cpp src/text/decimal_digits.cpp src/text/dates.cpp src/text/codepage.cpp src/platform/host/codepage.cpp src/platform/host/profile.cpp src/platform/host/process.cpp
// clang-format on
// A settings dialog saved with arbitrary field texts and boxes, over a file that already holds both
// sections: the loader then finds a model that agrees with the fields, the other action untouched, and a
// dialog opened afresh saves the same bytes again.
// Input: byte 0 picks the action (bit 0) and the five boxes (bits 1-5), byte 1 the current year, the rest
// is split at '\n' into the texts of Text2 ... Text14 and Combo1, decoded from code page 936.
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
#include "schedule/ini.h"
#include "schedule/loader.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace {

namespace fs = std::filesystem;
using F = SettingsField;
using C = SettingsCheck;

struct Folder {
    fs::path native;
    std::wstring windows;

    ~Folder() {
        std::error_code ignored;
        fs::remove_all(native, ignored);
    }
};

const Folder& ScratchFolder() {
    static const Folder folder = [] {
        const fs::path native = fs::temp_directory_path() / ("save-fuzz-" + std::to_string(getpid()));
        fs::create_directories(native);
        std::wstring windows = text::FromCodePage(native.string(), 65001);
        for (wchar_t& c : windows) {
            c = c == L'/' ? L'\\' : c;
        }
        return Folder{native, windows};
    }();
    return folder;
}

// Every key of both sections set, so a value the save fails to clear shows up after the reload.
constexpr char kOldFile[] =
    "[\xB9\xD8\xBB\xFA]\r\n"
    "\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xC8\xD5\xC6\xDA=2030-01-02\r\n"
    "\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xCA\xB1\xBC\xE4=01:02\r\n"
    "\xC3\xBF\xCC\xEC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA=03:04\r\n"
    "\xC3\xBF\xD6\xDC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xD6\xDC\xBC\xB8=\xD6\xDC\xC8\xFD\r\n"
    "\xC3\xBF\xD6\xDC\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xCA\xB1\xBC\xE4=05:06\r\n"
    "\xC3\xBF\xD4\xC2\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xC8\xD5\xC6\xDA=7\r\n"
    "\xC3\xBF\xD4\xC2\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA\xCA\xB1\xBC\xE4=08:09\r\n"
    "\xC3\xBF\xB4\xCE\xBF\xAA\xBB\xFAX\xB7\xD6\xD6\xD3\xB9\xD8\xBB\xFA=10\r\n"
    "[\xD6\xD8\xC6\xF4]\r\n"
    "\xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4\xC8\xD5\xC6\xDA=2031-11-12\r\n"
    "\xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4\xCA\xB1\xBC\xE4=11:12\r\n"
    "\xC3\xBF\xCC\xEC\xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4=13:14\r\n"
    "\xC3\xBF\xD6\xDC\xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4\xD6\xDC\xBC\xB8=\xD6\xDC\xC1\xF9\r\n"
    "\xC3\xBF\xD6\xDC\xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4\xCA\xB1\xBC\xE4=15:16\r\n"
    "\xC3\xBF\xD4\xC2\xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4\xC8\xD5\xC6\xDA=17\r\n"
    "\xC3\xBF\xD4\xC2\xB6\xA8\xCA\xB1\xD6\xD8\xC6\xF4\xCA\xB1\xBC\xE4=18:19\r\n"
    "\xC3\xBF\xB4\xCE\xBF\xAA\xBB\xFAX\xB7\xD6\xD6\xD3\xD6\xD8\xC6\xF4=20\r\n";

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ListTarget : public SaveTarget {
  public:
    ListTarget(ScheduleModel& model, const std::wstring& folder) : model_(model), folder_(folder) {}
    void ClearList() override { lines.clear(); }
    void AddLine(const std::wstring& line) override { lines.push_back(line); }
    void Reload() override { LoadSchedule(model_, folder_); }

    std::vector<std::wstring> lines;

  private:
    ScheduleModel& model_;
    const std::wstring& folder_;
};

bool PlainDigits(const std::wstring& text) {
    return !text.empty() && text.size() <= 9 && text.find_first_not_of(L"0123456789") == std::wstring::npos;
}

bool AllPlain(const SettingsModel& dialog, std::initializer_list<SettingsField> fields) {
    for (SettingsField field : fields) {
        if (!PlainDigits(dialog.Text(field))) {
            return false;
        }
    }
    return true;
}

// A text the file hands back unchanged: representable in code page 936, no blanks or quotes the profile
// functions strip, short enough for the reader's buffer.
bool SurvivesFile(const std::wstring& text) {
    const std::string bytes = text::ToCodePage(text, text::kGbkCodePage);
    const bool quoted =
        text.size() >= 2 && text.front() == text.back() && (text.front() == L'"' || text.front() == L'\'');
    const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f'; };
    return text::FromCodePage(bytes, text::kGbkCodePage) == text && bytes.size() <= 254 && !quoted &&
           (text.empty() || (!blank(text.front()) && !blank(text.back())));
}

bool IsClockTime(const std::wstring& stored) {
    const auto reading = text::ReadDateTime(stored);
    return stored.size() == 5 && reading && !reading->date && reading->time;
}

void CheckOnce(const SettingsModel& dialog, const ActionSchedule& s, int currentYear) {
    if (dialog.Check(C::Check1) != 1) {
        fuzz::Require(s.onceDate.empty() && s.onceTime.empty(), "an unchecked one-time trigger is cleared");
        return;
    }
    fuzz::Require(!s.onceDate.empty(), "a checked one-time trigger keeps its date");
    if (AllPlain(dialog, {F::Text12, F::Text13, F::Text14})) {
        const auto reading = text::ReadDateTime(s.onceDate);
        fuzz::Require(s.onceDate.size() == 10 && reading && reading->date && !reading->time,
                      "whole-number fields give a real calendar date");
        // The lower bound is applied first, so after 2100 the upper one wins.
        fuzz::Require(reading->date->year >= std::min(currentYear, 2100) && reading->date->year <= 2100,
                      "the year lies between this year and 2100");
    }
    if (AllPlain(dialog, {F::Text10, F::Text11})) {
        fuzz::Require(IsClockTime(s.onceTime), "whole-number fields give a time on the clock");
    }
}

void CheckRepeating(const SettingsModel& dialog, const ActionSchedule& s) {
    if (dialog.Check(C::Check2) != 1) {
        fuzz::Require(s.dailyTime.empty(), "an unchecked daily trigger is cleared");
    } else if (AllPlain(dialog, {F::Text2, F::Text3})) {
        fuzz::Require(IsClockTime(s.dailyTime), "the daily time is on the clock");
    }
    const std::wstring& combo = dialog.Text(F::Combo1);
    if (dialog.Check(C::Check3) != 1 || combo.empty()) {
        fuzz::Require(s.weeklyDay.empty() && s.weeklyTime.empty() && s.weeklyDayNumber == 0,
                      "a weekly trigger without a weekday reads as off");
    } else {
        fuzz::Require(!SurvivesFile(combo) || s.weeklyDay == combo, "the weekday text is stored unchanged");
        fuzz::Require(s.weeklyDayNumber == WeekdayNumberOf(s.weeklyDay), "the weekday number follows the text");
        fuzz::Require(!AllPlain(dialog, {F::Text4, F::Text5}) || IsClockTime(s.weeklyTime),
                      "the weekly time is on the clock");
    }
    if (dialog.Check(C::Check4) != 1) {
        fuzz::Require(s.monthlyDay == 0 && s.monthlyTime.empty(), "an unchecked monthly trigger is cleared");
    } else {
        fuzz::Require(s.monthlyDay >= 1 && s.monthlyDay <= 31, "the day of the month lies in 1-31");
        fuzz::Require(!AllPlain(dialog, {F::Text7, F::Text8}) || IsClockTime(s.monthlyTime),
                      "the monthly time is on the clock");
    }
    if (dialog.Check(C::Check5) != 1) {
        fuzz::Require(s.bootMinutes == 0, "an unchecked after-start trigger is cleared");
    } else {
        fuzz::Require(s.bootMinutes >= 0 && s.bootMinutes <= 20000, "the minutes lie in 0-20000");
    }
}

std::vector<std::wstring> SplitFields(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size && parts.size() < kSettingsFieldCount; ++i) {
        if (i == size || data[i] == '\n') {
            std::wstring part = fuzz::FromGbk(data + start, i - start);
            // A single-line edit box never holds a line break or a NUL.
            for (wchar_t& c : part) {
                c = (c == L'\r' || c == L'\0') ? L' ' : c;
            }
            parts.push_back(part);
            start = i + 1;
        }
    }
    return parts;
}

int CheckedCount(const SettingsModel& dialog) {
    int count = 0;
    for (C box : {C::Check1, C::Check2, C::Check3, C::Check4, C::Check5}) {
        count += dialog.Check(box);
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const Folder& folder = ScratchFolder();
    const fs::path file = folder.native / "timer.ini";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(kOldFile, sizeof kOldFile - 1);

    const Action action = (data[0] & 1) != 0 ? Action::Restart : Action::Shutdown;
    const Action other = action == Action::Shutdown ? Action::Restart : Action::Shutdown;
    const int currentYear = 1990 + data[1] % 120;
    const text::CivilDate today{currentYear, 2, 28};

    ScheduleModel model;
    LoadSchedule(model, folder.windows);
    const ActionSchedule otherBefore = model.For(other);

    SettingsModel dialog(action, folder.windows);
    dialog.Form_Load(today);
    for (std::size_t box = 0; box < kSettingsCheckCount; ++box) {
        dialog.SetCheck(static_cast<C>(box), (data[0] >> (box + 1)) & 1);
    }
    const std::vector<std::wstring> texts = SplitFields(data + 2, size - 2);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        dialog.SetText(static_cast<F>(i), texts[i]);
    }

    ListTarget target(model, folder.windows);
    dialog.Command2_Click(currentYear, target);
    fuzz::Require(static_cast<int>(target.lines.size()) == CheckedCount(dialog), "one line per checked trigger");
    for (const std::wstring& line : target.lines) {
        fuzz::Require(line.find(ActionWord(action)) != std::wstring::npos, "each line names its action");
    }
    fuzz::Require(model.For(other) == otherBefore, "the other action's section is untouched");
    CheckOnce(dialog, model.For(action), currentYear);
    CheckRepeating(dialog, model.For(action));

    // A dialog opened afresh shows what was saved; saving it unchanged writes the same bytes. A weekly
    // trigger without a weekday is the exception: its time is written, but nothing reads it back.
    const std::wstring& combo = dialog.Text(F::Combo1);
    const bool combosSurvive = dialog.Check(C::Check3) != 1 || (!combo.empty() && SurvivesFile(combo));
    const bool timesPlain =
        (dialog.Check(C::Check1) != 1 || AllPlain(dialog, {F::Text10, F::Text11, F::Text12, F::Text13, F::Text14})) &&
        (dialog.Check(C::Check2) != 1 || AllPlain(dialog, {F::Text2, F::Text3})) &&
        (dialog.Check(C::Check3) != 1 || AllPlain(dialog, {F::Text4, F::Text5})) &&
        (dialog.Check(C::Check4) != 1 || AllPlain(dialog, {F::Text7, F::Text8}));
    if (combosSurvive && timesPlain) {
        const std::string saved = FileBytes(file);
        SettingsModel reopened(action, folder.windows);
        reopened.Form_Load(today);
        for (std::size_t box = 0; box < kSettingsCheckCount; ++box) {
            const auto check = static_cast<C>(box);
            fuzz::Require(reopened.Check(check) == dialog.Check(check), "a reopened dialog checks the saved triggers");
        }
        for (std::size_t i = 0; i < kSettingsFieldCount; ++i) {
            const auto field = static_cast<F>(i);
            if (reopened.Enabled(field)) {
                fuzz::Require(reopened.Text(field) == dialog.Text(field), "a reopened dialog shows the saved fields");
            }
        }
        reopened.Command2_Click(currentYear, target);
        fuzz::Require(FileBytes(file) == saved, "saving the reopened dialog rewrites the same bytes");
    }
    return 0;
}
