// clang-format off
// fuzz-sources: src/dialogs/settings_handlers.cpp src/dialogs/settings_save.cpp src/schedule/summary_line.cpp src/schedule/ini.cpp src/schedule/schedule_model.cpp src/text/numbers.cpp src/text/dates.cpp src/platform/codepage.cpp src/platform/host/codepage.cpp src/platform/host/profile.cpp src/platform/host/process.cpp
// clang-format on
// A settings dialog saved with arbitrary texts and boxes: one line per checked trigger, and where the texts read
// back, a reopened dialog saves the same bytes (what a save does to the rest of the file is the loader target's).
// Byte 0: the action (bit 0) and the five boxes (bits 1-5); byte 1: the current year; the rest, split at '\n' and
// decoded from code page 936, the texts of Text2 ... Text14 and Combo1.
#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <utility>

#include "dialogs/settings_handlers.h"
#include "fuzz_input.h"
#include "platform/codepage.h"

namespace {

using F = SettingsField;

struct Controls : SettingsControls, SaveTarget {
    std::wstring Text(F field) const override { return texts[IndexOf(field)]; }
    void SetText(F field, const std::wstring& text) override {
        if (std::exchange(texts[IndexOf(field)], text) != text && field != F::Combo1) {
            settings::Text_Change(*this, field);
        }
    }
    int Check(SettingsCheck box) const override { return checks[IndexOf(box)]; }
    void SetCheck(SettingsCheck box, int value) override { checks[IndexOf(box)] = value; }
    void Enable(F, bool, int) override {}
    void ClearList() override { lines = 0; }
    void AddLine(const std::wstring&) override { ++lines; }
    void Reload() override {}
    std::array<std::wstring, kSettingsFieldCount> texts;
    std::array<int, kSettingsCheckCount> checks{};
    int lines = 0;
};

// What the file hands back as it was written: whole numbers in the date and time fields of checked triggers (a
// fraction or a sign makes the joined text no date or time), and a weekday that code page 936 holds, short enough
// for the reader, without the blanks or quotes around it that the profile functions strip.
bool ReadsBack(const Controls& dialog) {
    const auto plain = [&](auto... fields) {
        return (... && (!dialog.Text(fields).empty() &&
                        dialog.Text(fields).find_first_not_of(L"0123456789") == std::wstring::npos));
    };
    const std::wstring& day = dialog.texts[IndexOf(F::Combo1)];
    const std::string bytes = text::ToCodePage(day, text::kGbkCodePage).substr(0, 254);
    const std::wstring strip = L" \t\v\f\"'";
    const auto off = [&](std::size_t box) { return dialog.checks[box] != 1; };
    return (off(0) || plain(F::Text10, F::Text11, F::Text12, F::Text13, F::Text14)) &&
           (off(1) || plain(F::Text2, F::Text3)) && (off(3) || plain(F::Text7, F::Text8)) &&
           (off(2) || (plain(F::Text4, F::Text5) && text::FromCodePage(bytes, text::kGbkCodePage) == day &&
                       day.find_first_not_of(strip) == 0 && day.find_last_not_of(strip) + 1 == day.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::wstring folder = fuzz::Folder("save-fuzz");
    fuzz::WriteSettings("");
    const Action action = (data[0] & 1) != 0 ? Action::Restart : Action::Shutdown;
    const int currentYear = 1990 + data[1] % 120;

    Controls dialog;
    settings::Form_Load(dialog, action, folder, {currentYear, 2, 28});
    for (std::size_t box = 0; box < kSettingsCheckCount; ++box) {
        dialog.checks[box] = (data[0] >> (box + 1)) & 1;
    }
    // A single-line edit box never holds a line break or a NUL.
    std::wistringstream lines(
        text::FromCodePage(std::string(reinterpret_cast<const char*>(data) + 2, size - 2), text::kGbkCodePage) + L'\n');
    std::wstring line;
    for (std::size_t field = 0; field < kSettingsFieldCount && std::getline(lines, line); ++field) {
        std::replace_if(
            line.begin(), line.end(), [](wchar_t c) { return c == L'\r' || c == L'\0'; }, L' ');
        dialog.SetText(static_cast<F>(field), line);
    }

    settings::Command2_Click(dialog, action, folder, currentYear, dialog);
    fuzz::Require(dialog.lines == std::count(dialog.checks.begin(), dialog.checks.end(), 1),
                  "one line per checked trigger");
    if (ReadsBack(dialog)) {
        const std::string bytes = fuzz::SettingsBytes();
        Controls reopened;
        settings::Form_Load(reopened, action, folder, {currentYear, 2, 28});
        settings::Command2_Click(reopened, action, folder, currentYear, reopened);
        fuzz::Require(fuzz::SettingsBytes() == bytes, "saving the reopened dialog rewrites the same bytes");
    }
    return 0;
}
