// Control IDs of the settings dialogs, shared with the end-to-end probe that reads them from outside.
#pragma once

#include <optional>

#include "dialogs/settings_controls.h"

namespace settings_ids {

// Text2 ... Text14 are 1002 ... 1014; no control takes 1001, the ID of a combo box's own edit part.
constexpr int kText2 = 1002;
constexpr int kCheck1 = 1101;  // Check1 ... Check5 are 1101 ... 1105
constexpr int kCombo1 = 1201;
constexpr int kLabel1 = 1301;  // Label1 ... Label13 are 1301 ... 1313
// The buttons take the IDs that Enter and Esc send.
constexpr int kCommand2 = 1;
constexpr int kCommand3 = 2;

constexpr int ForField(SettingsField field) {
    return field == SettingsField::Combo1 ? kCombo1 : kText2 + static_cast<int>(field);
}
constexpr int ForCheck(SettingsCheck box) {
    return kCheck1 + static_cast<int>(box);
}
constexpr int ForLabel(int number) {
    return kLabel1 + number - 1;
}

inline std::optional<SettingsField> FieldOf(int id) {
    if (id == kCombo1) {
        return SettingsField::Combo1;
    }
    if (id >= kText2 && id < kText2 + static_cast<int>(kSettingsFieldCount) - 1) {
        return static_cast<SettingsField>(id - kText2);
    }
    return std::nullopt;
}
inline std::optional<SettingsCheck> CheckOf(int id) {
    if (id >= kCheck1 && id < kCheck1 + static_cast<int>(kSettingsCheckCount)) {
        return static_cast<SettingsCheck>(id - kCheck1);
    }
    return std::nullopt;
}

}  // namespace settings_ids
