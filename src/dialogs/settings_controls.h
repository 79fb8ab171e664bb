// The controls of a settings dialog as its handlers and its save act on them. What the controls show is all
// there is: nothing else holds a copy of it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

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
