#include "dialogs/settings_model.h"

#include <utility>

#include "schedule/ini.h"
#include "text/numbers.h"

namespace {

using F = SettingsField;

// The texts a new dialog shows before loading; the one-time date is always set by loading.
const wchar_t* InitialText(SettingsField field) {
    switch (field) {
        case F::Text2:
        case F::Text4:
        case F::Text7:
        case F::Text10:
            return L"23";
        case F::Text3:
        case F::Text5:
        case F::Text8:
        case F::Text11:
            return L"0";
        case F::Text6:
            return L"1";
        case F::Text9:
            return L"480";
        case F::Combo1:
            return L"周日";
        default:
            return L"";
    }
}

// The text before the first `separator`, and the rest after it ("" when there is none).
std::pair<std::wstring, std::wstring> SplitOnce(const std::wstring& text, wchar_t separator) {
    const std::size_t at = text.find(separator);
    if (at == std::wstring::npos) {
        return {text, L""};
    }
    return {text.substr(0, at), text.substr(at + 1)};
}

}  // namespace

const std::vector<SettingsField>& GovernedFields(SettingsCheck box) {
    static const std::array<std::vector<SettingsField>, kSettingsCheckCount> kGroups = {{
        {F::Text10, F::Text11, F::Text12, F::Text13, F::Text14},
        {F::Text2, F::Text3},
        {F::Combo1, F::Text4, F::Text5},
        {F::Text6, F::Text7, F::Text8},
        {F::Text9},
    }};
    return kGroups[IndexOf(box)];
}

SettingsModel::SettingsModel(Action action, std::wstring folder) : action_(action), folder_(std::move(folder)) {
    for (std::size_t i = 0; i < kSettingsFieldCount; ++i) {
        fields_[i].text = InitialText(static_cast<SettingsField>(i));
    }
}

void SettingsModel::SetCheck(SettingsCheck box, int value) {
    int& current = checks_[IndexOf(box)];
    if (current == value) {
        return;
    }
    current = value;
    Check_Click(box);
}

void SettingsModel::Check_Click(SettingsCheck box) {
    const bool checked = Check(box) == 1;
    for (SettingsField field : GovernedFields(box)) {
        FieldState& state = fields_[IndexOf(field)];
        state.enabled = checked;
        state.background = checked ? kWindowBackground : kButtonFace;
    }
}

void SettingsModel::SetText(SettingsField field, const std::wstring& text) {
    FieldState& state = fields_[IndexOf(field)];
    if (state.text == text) {
        return;
    }
    state.text = text;
    if (IsFiltered(field)) {
        Text_Change(field);
    }
}

void SettingsModel::Text_Change(SettingsField field) {
    FieldState& state = fields_[IndexOf(field)];
    ++state.filterRuns;
    // The replacement is itself a change and runs this filter again, which then finds nothing to do.
    SetText(field, text::FormatPlainNumber(text::ReadLeadingNumber(state.text)));
}

std::wstring SettingsModel::ReadKey(const wchar_t* key) const {
    return ini::readIniValue(ini::SettingsPath(folder_), KeysFor(action_).section, key);
}

// Checking an unchecked box runs its interlock as a change; loading then runs it once more.
void SettingsModel::CheckFromLoad(SettingsCheck box) {
    SetCheck(box, 1);
    Check_Click(box);
}

void SettingsModel::Form_Load(const text::CivilDate& today) {
    const std::wstring iso = text::FormatIsoDate(today);
    SetText(F::Text12, iso.substr(0, 4));
    SetText(F::Text13, iso.substr(5, 2));
    SetText(F::Text14, iso.substr(8, 2));
    SetText(F::Combo1, L"周日");

    const ActionKeys& keys = KeysFor(action_);
    const std::wstring onceDate = ReadKey(keys.onceDate);
    if (!onceDate.empty()) {
        CheckFromLoad(SettingsCheck::Check1);
        LoadDate(onceDate);
        LoadTime(ReadKey(keys.onceTime), F::Text10, F::Text11);
    }
    const std::wstring dailyTime = ReadKey(keys.dailyTime);
    if (!dailyTime.empty()) {
        CheckFromLoad(SettingsCheck::Check2);
        LoadTime(dailyTime, F::Text2, F::Text3);
    }
    const std::wstring weeklyDay = ReadKey(keys.weeklyDay);
    if (!weeklyDay.empty()) {
        CheckFromLoad(SettingsCheck::Check3);
        SetText(F::Combo1, weeklyDay);
        LoadTime(ReadKey(keys.weeklyTime), F::Text4, F::Text5);
    }
    const std::wstring monthlyDay = ReadKey(keys.monthlyDay);
    if (!monthlyDay.empty()) {
        CheckFromLoad(SettingsCheck::Check4);
        SetText(F::Text6, monthlyDay);
        LoadTime(ReadKey(keys.monthlyTime), F::Text7, F::Text8);
    }
    const std::wstring bootMinutes = ReadKey(keys.bootMinutes);
    if (!bootMinutes.empty()) {
        CheckFromLoad(SettingsCheck::Check5);
        SetText(F::Text9, bootMinutes);
    }
}

// A stored text without a date in it is cut at its first two "-" into year, month and day, so a value the
// save wrote unchanged (a fraction in a field) comes back as it was; the filters keep each part's number.
void SettingsModel::LoadDate(const std::wstring& stored) {
    const auto reading = text::ReadDateTime(stored);
    if (!reading || !reading->date) {
        const auto [year, monthAndDay] = SplitOnce(stored, L'-');
        const auto [month, day] = SplitOnce(monthAndDay, L'-');
        SetText(F::Text12, year);
        SetText(F::Text13, month);
        SetText(F::Text14, day);
        return;
    }
    const text::CivilDate& date = *reading->date;
    SetText(F::Text12, text::FormatIsoDate(date).substr(0, 4));
    SetText(F::Text13, text::FormatInteger(date.month));
    SetText(F::Text14, text::FormatInteger(date.day));
}

// An empty time leaves an empty hour (the filter makes it "0") and minute 0; a date alone is midnight;
// a text that is no time is cut at its first ":" into hour and minute, as the date is cut above.
void SettingsModel::LoadTime(const std::wstring& stored, SettingsField hour, SettingsField minute) {
    if (stored.empty()) {
        SetText(hour, L"");
        SetText(minute, L"0");
        return;
    }
    const auto reading = text::ReadDateTime(stored);
    if (!reading) {
        const auto [hourText, minuteText] = SplitOnce(stored, L':');
        SetText(hour, hourText);
        SetText(minute, minuteText);
        return;
    }
    const text::TimeOfDay time = reading->time.value_or(text::TimeOfDay{});
    SetText(hour, text::FormatInteger(time.hour));
    SetText(minute, text::FormatInteger(time.minute));
}
