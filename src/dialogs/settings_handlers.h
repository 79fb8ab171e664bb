// A settings dialog's behaviour apart from any window. The handlers act on the dialog's controls through
// SettingsControls, so what the controls show is all there is: nothing else holds a copy of it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "schedule/schedule_model.h"
#include "text/dates.h"

// The thirteen text fields and the weekday box, in the order of their names.
enum class SettingsField {
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Combo1
};
constexpr std::size_t kSettingsFieldCount = 14;

// One box per trigger, in the order the triggers are saved.
enum class SettingsCheck { Check1, Check2, Check3, Check4, Check5 };
constexpr std::size_t kSettingsCheckCount = 5;

// The fields each box governs, in the order its interlock treats them.
extern const std::vector<SettingsField> kGovernedFields[kSettingsCheckCount];

// The system colour indexes a governed field is painted with.
constexpr int kWindowBackground = 5;
constexpr int kButtonFace = 15;

inline std::size_t IndexOf(SettingsField field) {
    return static_cast<std::size_t>(field);
}
inline std::size_t IndexOf(SettingsCheck box) {
    return static_cast<std::size_t>(box);
}

// The controls of one open dialog.
class SettingsControls {
  public:
    virtual ~SettingsControls() = default;
    virtual std::wstring Text(SettingsField field) const = 0;
    // A text other than the one shown is a change of the field, and a text field's change runs its input
    // filter (settings::Text_Change); the text already shown is no change and runs nothing.
    virtual void SetText(SettingsField field, const std::wstring& text) = 0;
    virtual int Check(SettingsCheck box) const = 0;
    virtual void SetCheck(SettingsCheck box, int value) = 0;
    virtual void Enable(SettingsField field, bool enabled, int background) = 0;
};

// What a save asks of the main window besides the file: the action's list and the model reload.
class SaveTarget {
  public:
    virtual ~SaveTarget() = default;
    virtual void ClearList() = 0;
    virtual void AddLine(const std::wstring& line) = 0;
    virtual void Reload() = 0;  // ShiJian
};

// `folder` is the program's folder; the settings file's path is formed from it for every access.
namespace settings {

// Fills the one-time date with today and each stored trigger from the action's section.
void Form_Load(SettingsControls& controls, Action action, const std::wstring& folder, const text::CivilDate& today);
// Check1_Click ... Check5_Click: the box's fields follow its value.
void Check_Click(SettingsControls& controls, SettingsCheck box);
// Text2_Change ... Text14_Change: the field keeps the plain text of the number at its head.
void Text_Change(SettingsControls& controls, SettingsField field);
// "确定": corrects the fields, rewrites the action's section, refills its list and reloads the model.
void Command2_Click(SettingsControls& controls,
                    Action action,
                    const std::wstring& folder,
                    int currentYear,
                    SaveTarget& target);

}  // namespace settings
