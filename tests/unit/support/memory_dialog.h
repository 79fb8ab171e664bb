// A settings dialog in memory over the stored values, and the main window its save reports to.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/settings_handlers.h"
#include "dialogs/settings_ids.h"
#include "dialogs/settings_layout.h"
#include "dialogs/settings_save.h"
#include "support/memory_settings.h"

using F = SettingsField;
using Texts = std::vector<std::wstring>;

// A dialog's controls in memory, loaded on 2026-12-17 from the stored values, and the main window its save
// reports to. A text field's change runs its filter, as its change notification does in the window;
// the weekday box has none. Each line and the reload are recorded with how many keys of the section then
// hold a value.
struct Dialog : SettingsControls, SaveTarget {
    explicit Dialog(Action of = Action::Shutdown, MemorySettings stored = {}) : file(std::move(stored)), action(of) {
        for (const SettingsControl& control : SettingsLayout()) {
            if (const auto field = settings_ids::FieldOf(control.id)) {
                texts[IndexOf(*field)] = control.caption;
            }
        }
        looks.fill(-kButtonFace);
        settings::Form_Load(*this, action, file, {2026, 12, 17});
    }
    std::wstring Text(F field) const override { return texts[IndexOf(field)]; }
    void SetText(F field, const std::wstring& text) override {
        if (std::exchange(texts[IndexOf(field)], text) != text && field != F::Combo1) {
            settings::Text_Change(*this, field);
        }
    }
    int Check(SettingsCheck box) const override { return checks[IndexOf(box)]; }
    void SetCheck(SettingsCheck box, int value) override { checks[IndexOf(box)] = value; }
    void Enable(F field, bool on, int colour) override { looks[IndexOf(field)] = on ? colour : -colour; }

    void ClearList() override { calls.push_back(L"clear"); }
    void AddLine(const std::wstring& line) override { Record(line); }
    void Reload() override { Record(L"reload"); }
    void Record(const std::wstring& call) {
        const Texts section = Section(action);
        calls.push_back(call + L" @" + std::to_wstring(8 - std::count(section.begin(), section.end(), L"")));
    }
    void Save(int currentYear = 2026) { settings::Command2_Click(*this, action, file, currentYear, *this); }

    // The eight values of a section, in key order.
    Texts Section(Action of) const {
        Texts values;
        for (const wchar_t* key : KeysFor(of).InOrder()) {
            values.push_back(file.Read(KeysFor(of).section, key));
        }
        return values;
    }

    MemorySettings file;
    Action action;
    std::array<std::wstring, kSettingsFieldCount> texts;
    std::array<int, kSettingsCheckCount> checks{};
    std::array<int, kSettingsFieldCount> looks;  // the background colour, negative while disabled
    Texts calls;
};

// Each box's value, or '?' when its fields are not all enabled on the window colour (value 1) or all disabled on
// the button face (any other value); then all texts, box by box:
// "hour minute year month day | hour minute | weekday hour minute | day hour minute | minutes".
inline std::wstring View(const Dialog& dialog) {
    std::wstring boxes;
    std::wstring texts;
    for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
        const int value = dialog.checks[i];
        boxes += static_cast<wchar_t>(L'0' + value);
        for (F field : kGovernedFields[i]) {
            boxes.back() =
                dialog.looks[IndexOf(field)] == (value == 1 ? kWindowBackground : -kButtonFace) ? boxes.back() : L'?';
            texts += L" " + dialog.Text(field);
        }
        texts += L" |";
    }
    return boxes + L":" + texts.substr(0, texts.size() - 2);
}
