// The main window: clock over the banner, the two schedule lists, the autostart box, the tray icon.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/autostart_box.h"
#include "app/clock_tick.h"
#include "app/main_layout.h"
#include "app/win/window.h"
#include "dialogs/win/settings_dialog.h"
#include "schedule/schedule_model.h"
#include "scheduler/timer.h"
#include "scheduler/win/windowless_timers.h"
#include "system/win/shutdown_calls.h"
#include "system/win/tray.h"

class Form1 final : public Window,
                    public 托盘::TrayWindow,
                    public MainWindowLink,
                    private TickWindow,
                    private AutostartBox {
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

  private:
    // TickWindow
    void SetCaptions(const std::wstring& date, const std::wstring& time) override;
    std::wstring DateCaption() const override { return WindowText(Control(kLabel1Id)); }
    std::wstring TimeCaption() const override { return WindowText(Control(kLabel2Id)); }
    void RemoveTrayIcon() override { 托盘::removeTrayIcon(); }

    // AutostartBox
    int Value() const override;
    void SetValue(int value) override;
    std::wstring ReadRunValue() override;
    bool WriteRunValue(const std::wstring& command) override;
    bool DeleteRunValue() override;

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
    void EndSession();
    [[noreturn]] static void EndAtOnce();

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
    WindowlessTimers timers;
    std::unique_ptr<Timer> Timer1;
    WindowsShutdownCalls shutdownCalls;
    ClockTick clockTick{shutdownCalls};

    UniqueIcon bigIcon;
    UniqueIcon smallIcon;
    std::array<UniqueFont, std::size(kFontSizes)> fonts;  // by ControlFont
    UniqueBitmap banner;                                  // scaled to the window's DPI
    UniqueBrush bannerBrush;
};
