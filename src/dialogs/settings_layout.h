// The look of a settings dialog: controls in tab order with their places in twips, and the twin captions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "schedule/schedule_model.h"

constexpr int kDialogWidthTwips = 4680;
constexpr int kDialogHeightTwips = 7905;

enum class SettingsControlKind { CheckBox, TextField, Label, WeekdayList, DefaultButton, CancelButton };

struct SettingsControl {
    int id;
    SettingsControlKind kind;
    const wchar_t* caption;  // or initial text; as in the shutdown dialog, see TwinText
    int left;
    int top;
    int width;
    int height;
    int maxChars;  // text fields only; 0 = no limit
};

// Every control, in tab order (labels included, though they take no focus).
const std::vector<SettingsControl>& SettingsLayout();

// A shutdown dialog's text as the action's dialog shows it ("关机" becomes "重启" for restart).
std::wstring TwinText(Action action, std::wstring_view shutdownText);
std::wstring DialogCaption(Action action);
