#include "dialogs/settings_save.h"

#include <optional>

#include "app/summary_lines.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace {

using F = SettingsField;

struct FieldBounds {
    SettingsField field;
    int lower;
    int upper;
};

// Fields after the one-time date, corrected in this order once the date is settled.
const FieldBounds kTimeAndCountBounds[] = {
    {F::Text10, 0, 23}, {F::Text11, 0, 59}, {F::Text2, 0, 23}, {F::Text3, 0, 59}, {F::Text4, 0, 23},
    {F::Text5, 0, 59},  {F::Text6, 1, 31},  {F::Text7, 0, 23}, {F::Text8, 0, 59}, {F::Text9, 0, 20000},
};

// The lower bound first; the number is then read again for the upper one.
void ClampField(SettingsControls& controls, SettingsField field, int lower, int upper) {
    if (text::ReadLeadingNumber(controls.Text(field)) < lower) {
        controls.SetText(field, text::FormatInteger(lower));
    }
    if (text::ReadLeadingNumber(controls.Text(field)) > upper) {
        controls.SetText(field, text::FormatInteger(upper));
    }
}

void ApplyMonthLength(SettingsControls& controls) {
    const int year = text::ToWholeNumber(controls.Text(F::Text12)).value_or(0);
    const int month = text::ToWholeNumber(controls.Text(F::Text13)).value_or(0);
    const int day = text::ToWholeNumber(controls.Text(F::Text14)).value_or(0);
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31) {
        controls.SetText(F::Text14, L"30");
    } else if (month == 2) {
        const int lastDay = text::IsLeapYear(year) ? 29 : 28;
        if (day > lastDay) {
            controls.SetText(F::Text14, text::FormatInteger(lastDay));
        }
    }
}

void CorrectFields(SettingsControls& controls, int currentYear) {
    ClampField(controls, F::Text12, currentYear, 2100);
    ClampField(controls, F::Text13, 1, 12);
    ClampField(controls, F::Text14, 1, 31);
    ApplyMonthLength(controls);
    for (const FieldBounds& bounds : kTimeAndCountBounds) {
        ClampField(controls, bounds.field, bounds.lower, bounds.upper);
    }
}

// The value of a field that holds only decimal digits; the filter leaves fractions and signs, which are
// no part of a date or a time. The corrections have made such values a real date or time of day.
std::optional<int> PlainWhole(const std::wstring& text) {
    if (text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos) {
        return std::nullopt;
    }
    return text::ToWholeNumber(text);
}

// "Y-M-D" as "yyyy-mm-dd"; a joined text that is no date (a fractional day such as 1.5) is written as it is.
std::wstring DateValue(const std::wstring& year, const std::wstring& month, const std::wstring& day) {
    const auto y = PlainWhole(year);
    const auto m = PlainWhole(month);
    const auto d = PlainWhole(day);
    return y && m && d ? text::FormatIsoDate({*y, *m, *d}) : year + L"-" + month + L"-" + day;
}

// "H:M" as "hh:mm"; a joined text that is no time of day (a fractional hour such as 0.5) is written as it is.
std::wstring TimeValue(const std::wstring& hour, const std::wstring& minute) {
    const auto h = PlainWhole(hour);
    const auto m = PlainWhole(minute);
    return h && m ? text::FormatShortTime({*h, *m}) : hour + L":" + minute;
}

// Each checked trigger: its line first, then its keys, the date, weekday or day key before the time key.
void WriteTriggers(const SettingsControls& controls, Action action, SettingsFile& file, SaveTarget& target) {
    const ActionKeys& keys = KeysFor(action);
    const auto write = [&](const wchar_t* key, const std::wstring& value) { file.Write(keys.section, key, value); };
    const auto text = [&](F field) { return controls.Text(field); };
    const auto checked = [&](SettingsCheck box) { return controls.Check(box) == 1; };
    if (checked(SettingsCheck::Check1)) {
        const std::wstring date = DateValue(text(F::Text12), text(F::Text13), text(F::Text14));
        const std::wstring time = TimeValue(text(F::Text10), text(F::Text11));
        target.AddLine(SummaryLine(action, TriggerKind::Once, date + L" " + time));
        write(keys.onceDate, date);
        write(keys.onceTime, time);
    }
    if (checked(SettingsCheck::Check2)) {
        const std::wstring time = TimeValue(text(F::Text2), text(F::Text3));
        target.AddLine(SummaryLine(action, TriggerKind::Daily, time));
        write(keys.dailyTime, time);
    }
    if (checked(SettingsCheck::Check3)) {
        const std::wstring time = TimeValue(text(F::Text4), text(F::Text5));
        target.AddLine(SummaryLine(action, TriggerKind::Weekly, text(F::Combo1) + L" " + time));
        write(keys.weeklyDay, text(F::Combo1));
        write(keys.weeklyTime, time);
    }
    if (checked(SettingsCheck::Check4)) {
        const std::wstring time = TimeValue(text(F::Text7), text(F::Text8));
        target.AddLine(SummaryLine(action, TriggerKind::Monthly, text(F::Text6) + L"号 " + time));
        write(keys.monthlyDay, text(F::Text6));
        write(keys.monthlyTime, time);
    }
    if (checked(SettingsCheck::Check5)) {
        target.AddLine(SummaryLine(action, TriggerKind::AfterStart, text(F::Text9), text(F::Text9)));
        write(keys.bootMinutes, text(F::Text9));
    }
}

}  // namespace

namespace settings {

void Command2_Click(SettingsControls& controls,
                    Action action,
                    SettingsFile& file,
                    int currentYear,
                    SaveTarget& target) {
    CorrectFields(controls, currentYear);
    target.ClearList();
    const ActionKeys& keys = KeysFor(action);
    for (const wchar_t* key : keys.InOrder()) {
        file.Write(keys.section, key, L"");
    }
    WriteTriggers(controls, action, file, target);
    target.Reload();
}

}  // namespace settings
