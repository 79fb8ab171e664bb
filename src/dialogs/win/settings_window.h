// One open settings dialog: a top-level window whose controls are the dialog's only state.
#pragma once

#include <array>

#include "app/win/window.h"
#include "dialogs/settings_controls.h"
#include "dialogs/win/settings_dialog.h"

class SettingsWindow final : public Window, private SettingsControls {
  public:
    // Called once the window is gone; the owner may then delete the object.
    using ClosedHandler = void (*)(Action action);

    SettingsWindow(Action dialogAction, MainWindowLink& link, ClosedHandler closedHandler);

    // Creates the window and its controls, runs Form_Load and shows it centred; false when the system refuses.
    bool Create(HINSTANCE instance);
    HWND Handle() const { return window; }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ApplyLayout() override;
    void Destroyed() override { closed(action); }
    void OnCommand(int id, int code);

    // Handlers
    void Form_Load();
    void Command2_Click();

    // SettingsControls, over the real controls
    std::wstring Text(SettingsField field) const override;
    void SetText(SettingsField field, const std::wstring& text) override;
    int Check(SettingsCheck box) const override;
    void SetCheck(SettingsCheck box, int value) override;
    void Enable(SettingsField field, bool enabled, int background) override;

    void CreateControls(HINSTANCE instance);
    LRESULT ColorField(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Control(int id) const { return GetDlgItem(window, id); }
    HWND Control(SettingsField field) const;

    Action action;
    MainWindowLink& mainWindow;
    ClosedHandler closed;
    HWND lastFocus = nullptr;
    // An edit control has no background colour of its own; its parent names one when asked to paint it.
    std::array<int, kSettingsFieldCount> backgrounds;
    UniqueFont textFont;
    UniqueFont dialogFont;
};
