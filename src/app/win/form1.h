// The main window: clock over the banner, the two schedule lists, the autostart box, the tray icon.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/clock_tick.h"
#include "app/main_layout.h"
#include "dialogs/win/settings_dialog.h"
#include "platform/win/window.h"
#include "platform/win32.h"
#include "schedule/schedule_model.h"
#include "scheduler/timer.h"
#include "system/tray.h"

class Form1 final : public Window, public 托盘::TrayWindow, public MainWindowLink, public ClockLabels {
  public:
    explicit Form1(HINSTANCE instance);

    // Creates the window and its controls, still invisible; false when the system refuses.
    bool Create();
    // The start-up sequence; the window stays invisible when the argument string asks for the tray.
    void Form_Load(const std::wstring& argumentString);
    void Show(int showCommand);
    bool StartedHidden() const { return startedHidden; }

    // TrayWindow and MainWindowLink
    HWND Handle() const override { return window; }
    HICON Icon() const override { return smallIcon.get(); }
    int WindowState() const override;
    void SetWindowState(int state) override;
    void SetVisible(bool visible) override;
    int LastState() const override { return lastState; }
    void AfterRestore() override;

    // MainWindowLink
    void ClearScheduleList(Action action) override;
    void AddScheduleLine(Action action, const std::wstring& line) override;
    void ShiJian() override;

    // ClockLabels
    void SetCaptions(const std::wstring& date, const std::wstring& time) override;
    std::wstring DateCaption() const override { return WindowText(Control(kLabel1Id)); }
    std::wstring TimeCaption() const override { return WindowText(Control(kLabel2Id)); }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ApplyLayout() override;
    void Destroyed() override { PostQuitMessage(0); }
    void OnCommand(int id, int code);

    // Handlers
    void Form_Resize(WPARAM sizeType);
    bool Form_Unload();  // true cancels the close
    void Command1_Click();
    void Command2_Click();
    void Check1_Click();
    void Timer1_Timer();
    void FillScheduleLists();
    void SetCheck1(int value);
    void EndSession();
    [[noreturn]] void EndAtOnce();

    // View
    void CreateControls();
    void LoadBanner();
    void Paint();
    LRESULT ColorStatic(HDC dc, HWND control);
    HWND Control(int id) const { return GetDlgItem(window, id); }
    HWND ListOf(Action action) const;

    HINSTANCE instance;
    std::int16_t lastState = 0;
    bool startedHidden = false;
    std::wstring autostartCommand;

    ScheduleModel model;
    std::unique_ptr<Timer> Timer1;
    ClockTick clockTick;  // holds the executor, created on first use

    UniqueIcon bigIcon;
    UniqueIcon smallIcon;
    std::array<UniqueFont, std::size(kFontSizes)> fonts;  // by ControlFont
    UniqueBitmap banner;                                  // scaled to the window's DPI
    UniqueBrush bannerBrush;
};
