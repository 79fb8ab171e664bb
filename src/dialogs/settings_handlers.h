// A settings dialog's loading, interlocks and input filters, apart from any window.
#pragma once

#include "dialogs/settings_controls.h"
#include "schedule/schedule_model.h"
#include "schedule/settings_file.h"
#include "text/dates.h"

namespace settings {

// Fills the one-time date with today and each stored trigger from the action's section.
void Form_Load(SettingsControls& controls, Action action, const SettingsFile& file, const text::CivilDate& today);
// Check1_Click ... Check5_Click: the box's fields follow its value.
void Check_Click(SettingsControls& controls, SettingsCheck box);
// Text2_Change ... Text14_Change: the field keeps the plain text of the number at its head.
void Text_Change(SettingsControls& controls, SettingsField field);

}  // namespace settings
