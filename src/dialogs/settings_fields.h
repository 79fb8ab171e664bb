// The fields and check boxes of a settings dialog, and which box governs which fields.
#pragma once

#include <cstddef>
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
    Combo1,
};
constexpr std::size_t kSettingsFieldCount = 14;

// One box per trigger, in the order the triggers are saved.
enum class SettingsCheck { Check1, Check2, Check3, Check4, Check5 };
constexpr std::size_t kSettingsCheckCount = 5;

// The system colour indexes a governed field is painted with.
constexpr int kWindowBackground = 5;
constexpr int kButtonFace = 15;

// The fields a box enables and disables, in the order its interlock treats them.
const std::vector<SettingsField>& GovernedFields(SettingsCheck box);

// Only the weekday box takes free text; every other field keeps a plain number.
inline bool IsFiltered(SettingsField field) {
    return field != SettingsField::Combo1;
}

inline std::size_t IndexOf(SettingsField field) {
    return static_cast<std::size_t>(field);
}
inline std::size_t IndexOf(SettingsCheck box) {
    return static_cast<std::size_t>(box);
}
