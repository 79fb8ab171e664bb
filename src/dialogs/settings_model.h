// The state and behaviour of a settings dialog, apart from any window: what the Win32 view mirrors.
#pragma once

#include <array>
#include <string>

#include "dialogs/settings_fields.h"
#include "schedule/schedule_model.h"
#include "text/dates.h"

// What a save asks of the main window besides the file: the action's list and the model reload.
class SaveTarget {
  public:
    virtual ~SaveTarget() = default;
    virtual void ClearList() = 0;
    virtual void AddLine(const std::wstring& line) = 0;
    virtual void Reload() = 0;  // ShiJian
};

class SettingsModel {
  public:
    // `folder` is the program's folder; the settings file's path is formed from it for every access.
    SettingsModel(Action action, std::wstring folder);

    Action action() const { return action_; }

    // Fills the one-time date with today and each checked trigger from the action's section.
    void Form_Load(const text::CivilDate& today);

    // A change of a box's value, by the user or the program; a value equal to the current one is no change.
    void SetCheck(SettingsCheck box, int value);
    int Check(SettingsCheck box) const { return checks_[IndexOf(box)]; }
    // Check1_Click ... Check5_Click: the box's fields follow its value.
    void Check_Click(SettingsCheck box);

    // A change of a field's text, by typing, pasting or the program; the same text again is no change.
    void SetText(SettingsField field, const std::wstring& text);
    const std::wstring& Text(SettingsField field) const { return fields_[IndexOf(field)].text; }
    bool Enabled(SettingsField field) const { return fields_[IndexOf(field)].enabled; }
    int Background(SettingsField field) const { return fields_[IndexOf(field)].background; }
    // How often the field's input filter has run since the dialog was created.
    int FilterRuns(SettingsField field) const { return fields_[IndexOf(field)].filterRuns; }

    // "确定": corrects the fields, rewrites the action's section, refills its list and reloads the model.
    // The caller closes the dialog afterwards.
    void Command2_Click(int currentYear, SaveTarget& target);

  private:
    struct FieldState {
        std::wstring text;
        bool enabled = false;
        int background = kButtonFace;
        int filterRuns = 0;
    };

    // Text2_Change ... Text14_Change.
    void Text_Change(SettingsField field);
    std::wstring ReadKey(const wchar_t* key) const;
    void CheckFromLoad(SettingsCheck box);
    void LoadDate(const std::wstring& stored);
    void LoadTime(const std::wstring& stored, SettingsField hour, SettingsField minute);
    void CorrectFields(int currentYear);
    void ClampField(SettingsField field, int lower, int upper);
    void ApplyMonthLength();
    void WriteTriggers(SaveTarget& target);
    void WriteKey(const wchar_t* key, const std::wstring& value) const;

    Action action_;
    std::wstring folder_;
    std::array<int, kSettingsCheckCount> checks_{};
    std::array<FieldState, kSettingsFieldCount> fields_;
};
