// The save of a settings dialog: corrections, the action's section rewritten, its list refilled.
#include <optional>

#include "schedule/summary_line.h"
#include "dialogs/settings_model.h"
#include "schedule/ini.h"
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

// The value of a field that holds only decimal digits; the filter leaves fractions and signs, which are
// no part of a date or a time.
std::optional<int> PlainWhole(const std::wstring& text) {
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - L'0');
    }
    return value;
}

// "Y-M-D" as "yyyy-mm-dd"; a joined text that is no date is written as it is.
std::wstring DateValue(const std::wstring& year, const std::wstring& month, const std::wstring& day) {
    const auto y = PlainWhole(year);
    const auto m = PlainWhole(month);
    const auto d = PlainWhole(day);
    if (y && m && d && *m >= 1 && *m <= 12 && *d >= 1 && *d <= text::DaysInMonth(*y, *m)) {
        return text::FormatIsoDate({*y, *m, *d});
    }
    return year + L"-" + month + L"-" + day;
}

// "H:M" as "hh:mm"; a joined text that is no time of day (a fractional hour such as 0.5) is written as it is.
std::wstring TimeValue(const std::wstring& hour, const std::wstring& minute) {
    const auto h = PlainWhole(hour);
    const auto m = PlainWhole(minute);
    if (h && m && *h <= 23 && *m <= 59) {
        return text::FormatShortTime({*h, *m, 0});
    }
    return hour + L":" + minute;
}

}  // namespace

void SettingsModel::Command2_Click(int currentYear, SaveTarget& target) {
    CorrectFields(currentYear);
    target.ClearList();
    const ActionKeys& keys = KeysFor(action_);
    for (const wchar_t* key : {keys.onceDate, keys.onceTime, keys.dailyTime, keys.weeklyDay, keys.weeklyTime,
                               keys.monthlyDay, keys.monthlyTime, keys.bootMinutes}) {
        WriteKey(key, L"");
    }
    WriteTriggers(target);
    target.Reload();
}

void SettingsModel::CorrectFields(int currentYear) {
    ClampField(F::Text12, currentYear, 2100);
    ClampField(F::Text13, 1, 12);
    ClampField(F::Text14, 1, 31);
    ApplyMonthLength();
    for (const FieldBounds& bounds : kTimeAndCountBounds) {
        ClampField(bounds.field, bounds.lower, bounds.upper);
    }
}

// The lower bound first; the number is then read again for the upper one.
void SettingsModel::ClampField(SettingsField field, int lower, int upper) {
    if (text::ReadLeadingNumber(Text(field)) < lower) {
        SetText(field, text::FormatInteger(lower));
    }
    if (text::ReadLeadingNumber(Text(field)) > upper) {
        SetText(field, text::FormatInteger(upper));
    }
}

void SettingsModel::ApplyMonthLength() {
    const int year = text::ToWholeNumber(Text(F::Text12)).value_or(0);
    const int month = text::ToWholeNumber(Text(F::Text13)).value_or(0);
    const int day = text::ToWholeNumber(Text(F::Text14)).value_or(0);
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31) {
        SetText(F::Text14, L"30");
    } else if (month == 2) {
        const int lastDay = text::IsLeapYear(year) ? 29 : 28;
        if (day > lastDay) {
            SetText(F::Text14, text::FormatInteger(lastDay));
        }
    }
}

// Each checked trigger: its line first, then its keys, the date, weekday or day key before the time key.
void SettingsModel::WriteTriggers(SaveTarget& target) {
    const ActionKeys& keys = KeysFor(action_);
    if (Check(SettingsCheck::Check1) == 1) {
        const std::wstring date = DateValue(Text(F::Text12), Text(F::Text13), Text(F::Text14));
        const std::wstring time = TimeValue(Text(F::Text10), Text(F::Text11));
        target.AddLine(SummaryLine(action_, TriggerKind::Once, date + L" " + time));
        WriteKey(keys.onceDate, date);
        WriteKey(keys.onceTime, time);
    }
    if (Check(SettingsCheck::Check2) == 1) {
        const std::wstring time = TimeValue(Text(F::Text2), Text(F::Text3));
        target.AddLine(SummaryLine(action_, TriggerKind::Daily, time));
        WriteKey(keys.dailyTime, time);
    }
    if (Check(SettingsCheck::Check3) == 1) {
        const std::wstring time = TimeValue(Text(F::Text4), Text(F::Text5));
        target.AddLine(SummaryLine(action_, TriggerKind::Weekly, Text(F::Combo1) + L" " + time));
        WriteKey(keys.weeklyDay, Text(F::Combo1));
        WriteKey(keys.weeklyTime, time);
    }
    if (Check(SettingsCheck::Check4) == 1) {
        const std::wstring time = TimeValue(Text(F::Text7), Text(F::Text8));
        target.AddLine(SummaryLine(action_, TriggerKind::Monthly, Text(F::Text6) + L"号 " + time));
        WriteKey(keys.monthlyDay, Text(F::Text6));
        WriteKey(keys.monthlyTime, time);
    }
    if (Check(SettingsCheck::Check5) == 1) {
        target.AddLine(SummaryLine(action_, TriggerKind::AfterStart, Text(F::Text9), Text(F::Text9)));
        WriteKey(keys.bootMinutes, Text(F::Text9));
    }
}

void SettingsModel::WriteKey(const wchar_t* key, const std::wstring& value) const {
    ini::writeIniValue(ini::SettingsPath(folder_), KeysFor(action_).section, key, value);
}
