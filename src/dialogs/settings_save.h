// The save of a settings dialog ("确定"): corrections, the action's section rewritten, its list refilled.
#pragma once

#include <string>

#include "dialogs/settings_controls.h"
#include "schedule/schedule_model.h"
#include "schedule/settings_file.h"

// What a save asks of the main window besides the file: the action's list and the model reload.
class SaveTarget {
  public:
    virtual ~SaveTarget() = default;
    virtual void ClearList() = 0;
    virtual void AddLine(const std::wstring& line) = 0;
    virtual void Reload() = 0;  // ShiJian
};

namespace settings {

// Corrects the fields, rewrites the action's section, refills its list and reloads the model.
void Command2_Click(SettingsControls& controls, Action action, SettingsFile& file, int currentYear, SaveTarget& target);

}  // namespace settings
