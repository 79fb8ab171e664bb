#include "dialogs/settings_handlers.h"

#include <utility>

#include "text/numbers.h"

namespace {

using F = SettingsField;

// The text before the first `separator`, and the rest after it ("" when there is none).
std::pair<std::wstring, std::wstring> SplitOnce(const std::wstring& text, wchar_t separator) {
    const std::size_t at = text.find(separator);
    if (at == std::wstring::npos) {
        return {text, L""};
    }
    return {text.substr(0, at), text.substr(at + 1)};
}

// Checking the box is a change that runs its interlock; loading then runs it once more, to the same state.
void CheckFromLoad(SettingsControls& controls, SettingsCheck box) {
    controls.SetCheck(box, 1);
    settings::Check_Click(controls, box);
}

// A stored text without a date in it is cut at its first two "-" into year, month and day, so a value the
// save wrote unchanged (a fraction in a field) comes back as it was; the filters keep each part's number.
void LoadDate(SettingsControls& controls, const std::wstring& stored) {
    const auto reading = text::ReadDateTime(stored);
    if (!reading || !reading->date) {
        const auto [year, monthAndDay] = SplitOnce(stored, L'-');
        const auto [month, day] = SplitOnce(monthAndDay, L'-');
        controls.SetText(F::Text12, year);
        controls.SetText(F::Text13, month);
        controls.SetText(F::Text14, day);
        return;
    }
    const text::CivilDate& date = *reading->date;
    controls.SetText(F::Text12, text::FormatIsoDate(date).substr(0, 4));
    controls.SetText(F::Text13, text::FormatInteger(date.month));
    controls.SetText(F::Text14, text::FormatInteger(date.day));
}

// An empty time leaves an empty hour (the filter makes it "0") and minute 0; a date alone is midnight;
// a text that is no time is cut at its first ":" into hour and minute, as the date is cut above.
void LoadTime(SettingsControls& controls, const std::wstring& stored, F hour, F minute) {
    if (stored.empty()) {
        controls.SetText(hour, L"");
        controls.SetText(minute, L"0");
        return;
    }
    const auto reading = text::ReadDateTime(stored);
    if (!reading) {
        const auto [hourText, minuteText] = SplitOnce(stored, L':');
        controls.SetText(hour, hourText);
        controls.SetText(minute, minuteText);
        return;
    }
    const text::TimeOfDay time = reading->time.value_or(text::TimeOfDay{});
    controls.SetText(hour, text::FormatInteger(time.hour));
    controls.SetText(minute, text::FormatInteger(time.minute));
}

}  // namespace

const std::vector<F> kGovernedFields[kSettingsCheckCount] = {
    {F::Text10, F::Text11, F::Text12, F::Text13, F::Text14},
    {F::Text2, F::Text3},
    {F::Combo1, F::Text4, F::Text5},
    {F::Text6, F::Text7, F::Text8},
    {F::Text9},
};

namespace settings {

void Form_Load(SettingsControls& controls, Action action, const SettingsFile& file, const text::CivilDate& today) {
    const std::wstring iso = text::FormatIsoDate(today);
    controls.SetText(F::Text12, iso.substr(0, 4));
    controls.SetText(F::Text13, iso.substr(5, 2));
    controls.SetText(F::Text14, iso.substr(8, 2));
    controls.SetText(F::Combo1, L"周日");

    const ActionKeys& keys = KeysFor(action);
    const auto read = [&](const wchar_t* key) { return file.Read(keys.section, key); };
    if (const std::wstring onceDate = read(keys.onceDate); !onceDate.empty()) {
        CheckFromLoad(controls, SettingsCheck::Check1);
        LoadDate(controls, onceDate);
        LoadTime(controls, read(keys.onceTime), F::Text10, F::Text11);
    }
    if (const std::wstring dailyTime = read(keys.dailyTime); !dailyTime.empty()) {
        CheckFromLoad(controls, SettingsCheck::Check2);
        LoadTime(controls, dailyTime, F::Text2, F::Text3);
    }
    if (const std::wstring weeklyDay = read(keys.weeklyDay); !weeklyDay.empty()) {
        CheckFromLoad(controls, SettingsCheck::Check3);
        controls.SetText(F::Combo1, weeklyDay);
        LoadTime(controls, read(keys.weeklyTime), F::Text4, F::Text5);
    }
    if (const std::wstring monthlyDay = read(keys.monthlyDay); !monthlyDay.empty()) {
        CheckFromLoad(controls, SettingsCheck::Check4);
        controls.SetText(F::Text6, monthlyDay);
        LoadTime(controls, read(keys.monthlyTime), F::Text7, F::Text8);
    }
    if (const std::wstring bootMinutes = read(keys.bootMinutes); !bootMinutes.empty()) {
        CheckFromLoad(controls, SettingsCheck::Check5);
        controls.SetText(F::Text9, bootMinutes);
    }
}

void Check_Click(SettingsControls& controls, SettingsCheck box) {
    const bool checked = controls.Check(box) == 1;
    for (F field : kGovernedFields[IndexOf(box)]) {
        controls.Enable(field, checked, checked ? kWindowBackground : kButtonFace);
    }
}

void Text_Change(SettingsControls& controls, SettingsField field) {
    // A replacement is itself a change and runs this filter once more, which then finds nothing to do.
    controls.SetText(field, text::FormatPlainNumber(text::ReadLeadingNumber(controls.Text(field))));
}

}  // namespace settings
