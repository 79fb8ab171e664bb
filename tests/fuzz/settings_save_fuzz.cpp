// clang-format off
// fuzz-sources: src/dialogs/settings_handlers.cpp src/dialogs/settings_save.cpp src/schedule/summary_line.cpp src/schedule/ini.cpp src/schedule/schedule_model.cpp src/text/numbers.cpp src/text/dates.cpp src/platform/codepage.cpp src/platform/host/codepage.cpp src/platform/host/profile.cpp src/platform/host/process.cpp
// clang-format on
// A settings dialog saved with arbitrary texts and boxes over a file holding every key of both sections: one line
// per checked trigger, and where the texts read back, a reopened dialog shows the saved triggers and saves the
// same bytes. Byte 0: the action (bit 0) and the five boxes (bits 1-5); byte 1: the current year; the rest, split
// at '\n' and decoded from code page 936, the texts of Text2 ... Text14 and Combo1.
#include <algorithm>
#include <array>
#include <initializer_list>
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
    const auto plain = [&](std::initializer_list<F> fields) {
        return std::all_of(fields.begin(), fields.end(), [&](F field) {
            const std::wstring& t = dialog.texts[IndexOf(field)];
            return !t.empty() && t.size() <= 9 && t.find_first_not_of(L"0123456789") == std::wstring::npos;
        });
    };
    const std::wstring& day = dialog.texts[IndexOf(F::Combo1)];
    const std::string bytes = text::ToCodePage(day, text::kGbkCodePage);
    const std::wstring strip = L" \t\v\f\"'";
    const auto off = [&](SettingsCheck box) { return dialog.checks[IndexOf(box)] != 1; };
    return (off(SettingsCheck::Check1) || plain({F::Text10, F::Text11, F::Text12, F::Text13, F::Text14})) &&
           (off(SettingsCheck::Check2) || plain({F::Text2, F::Text3})) &&
           (off(SettingsCheck::Check3) ||
            (plain({F::Text4, F::Text5}) && !day.empty() && bytes.size() <= 254 &&
             text::FromCodePage(bytes, text::kGbkCodePage) == day && strip.find(day.front()) == std::wstring::npos &&
             strip.find(day.back()) == std::wstring::npos)) &&
           (off(SettingsCheck::Check4) || plain({F::Text7, F::Text8}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::wstring& folder = fuzz::Folder("save-fuzz");
    fuzz::WriteSettings(text::ToCodePage(
        L"[关机]\r\n定时关机日期=2030-01-02\r\n定时关机时间=01:02\r\n每天定时关机=03:04\r\n每周定时关机周几=周三\r\n"
        L"每周定时关机时间=05:06\r\n每月定时关机日期=7\r\n每月定时关机时间=08:09\r\n每次开机X分钟关机=10\r\n[重启]\r\n"
        L"定时重启日期=2031-11-12\r\n定时重启时间=11:12\r\n每天定时重启=13:14\r\n每周定时重启周几=周六\r\n"
        L"每周定时重启时间=15:16\r\n每月定时重启日期=17\r\n每月定时重启时间=18:19\r\n每次开机X分钟重启=20\r\n",
        text::kGbkCodePage));
    const Action action = (data[0] & 1) != 0 ? Action::Restart : Action::Shutdown;
    const int currentYear = 1990 + data[1] % 120;

    Controls dialog;
    settings::Form_Load(dialog, action, folder, {currentYear, 2, 28});
    for (std::size_t box = 0; box < kSettingsCheckCount; ++box) {
        dialog.checks[box] = (data[0] >> (box + 1)) & 1;
    }
    // A single-line edit box never holds a line break or a NUL.
    std::wstring texts =
        text::FromCodePage(std::string(reinterpret_cast<const char*>(data) + 2, size - 2), text::kGbkCodePage);
    std::replace(texts.begin(), texts.end(), L'\r', L' ');
    std::replace(texts.begin(), texts.end(), L'\0', L' ');
    for (std::size_t field = 0, start = 0; field < kSettingsFieldCount && start <= texts.size(); ++field) {
        const std::size_t end = std::min(texts.find(L'\n', start), texts.size());
        dialog.SetText(static_cast<F>(field), texts.substr(start, end - start));
        start = end + 1;
    }

    settings::Command2_Click(dialog, action, folder, currentYear, dialog);
    fuzz::Require(dialog.lines == std::count(dialog.checks.begin(), dialog.checks.end(), 1),
                  "one line per checked trigger");
    if (ReadsBack(dialog)) {
        const std::string bytes = fuzz::SettingsBytes();
        Controls reopened;
        settings::Form_Load(reopened, action, folder, {currentYear, 2, 28});
        fuzz::Require(reopened.checks == dialog.checks, "a reopened dialog shows the saved triggers");
        settings::Command2_Click(reopened, action, folder, currentYear, reopened);
        fuzz::Require(fuzz::SettingsBytes() == bytes, "saving the reopened dialog rewrites the same bytes");
    }
    return 0;
}
