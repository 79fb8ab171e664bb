// One open settings dialog: a top-level window whose controls mirror a SettingsModel.
#pragma once

#include <string>

#include "platform/win/unique_handle.h"
#include "dialogs/settings_model.h"
#include "dialogs/win/settings_dialog.h"
#include "platform/win32.h"

class SettingsWindow {
  public:
    // Called once the window is gone; the owner may then delete the object.
    using ClosedHandler = void (*)(Action action);

    SettingsWindow(Action action, MainWindowLink& mainWindow, ClosedHandler closed);
    ~SettingsWindow();
    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

    // Creates the window and its controls, runs Form_Load and shows it centred; false when the system refuses.
    bool Create(HINSTANCE instance);
    HWND Handle() const { return window; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);

    // Handlers
    void Form_Load();
    void Command2_Click();
    void Command3_Click();

    // View
    void CreateControls(HINSTANCE instance);
    void ApplyLayout(int dpi);
    void Centre();
    void SyncControls();
    LRESULT ColorField(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Control(int id) const { return GetDlgItem(window, id); }
    std::wstring ControlText(HWND control) const;

    SettingsModel model;
    MainWindowLink& mainWindow;
    ClosedHandler closed;
    HWND window = nullptr;
    HWND lastFocus = nullptr;
    bool syncing = false;  // our own writes to the controls are not the user's changes
    UniqueFont textFont;
    UniqueFont dialogFont;
};
