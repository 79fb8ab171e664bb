// The Win32 settings dialogs (one type for both actions), as the main window opens and closes them.
#pragma once

#include <windows.h>

#include <string>

#include "schedule/schedule_model.h"

// What a settings dialog needs of the main window.
class MainWindowLink {
  public:
    virtual ~MainWindowLink() = default;
    virtual HWND Handle() const = 0;  // its icons become the dialog's
    virtual void ClearScheduleList(Action action) = 0;
    virtual void AddScheduleLine(Action action, const std::wstring& line) = 0;
    virtual void ShiJian() = 0;
};

// Command1_Click / Command2_Click: shows the one program-wide dialog of the action, creating and
// loading it when it is not open, bringing it forward when it is.
void ShowSettingsDialog(Action action, MainWindowLink& mainWindow);
// Destroys both dialogs if open (the main window's confirmed close).
void UnloadSettingsDialogs();
// For the message loop: lets an open dialog handle Tab, Enter and Esc.
bool IsSettingsDialogMessage(MSG* message);
