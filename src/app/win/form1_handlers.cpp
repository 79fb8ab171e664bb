// Form1's handlers: start-up, lifecycle, the autostart box and the once-a-second tick.
#include "app/autostart_box.h"
#include "app/main_layout.h"
#include "app/startup_args.h"
#include "app/summary_lines.h"
#include "app/win/form1.h"
#include "platform/program_path.h"
#include "schedule/loader.h"

void Form1::Form_Load(const std::wstring& argumentString) {
    autostartCommand = autostart::ExpectedCommand();
    SetCheck1(autostart::IsRegistered(autostartCommand) ? BST_CHECKED : BST_UNCHECKED);
    ShiJian();
    FillScheduleLists();
    Timer1 = std::make_unique<Timer>();
    Timer1->TimerEvent = [this] { Timer1_Timer(); };
    Timer1->Interval(1000);
    Timer1->Enabled(true);
    托盘::addTrayIcon(*this);
    托盘::setTrayTip(kTrayTip);
    if (StartsHidden(argumentString)) {
        startedHidden = true;
        SetWindowState(1);
    }
}

// Setting the box runs its click handler only when the state changes, as a user's click would.
void Form1::SetCheck1(int value) {
    HWND check = Control(kCheck1Id);
    if (static_cast<int>(SendMessageW(check, BM_GETCHECK, 0, 0)) == value) {
        return;
    }
    SendMessageW(check, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    Check1_Click();
}

void Form1::ShiJian() {
    LoadSchedule(model, platform::ProgramFolder());
}

void Form1::FillScheduleLists() {
    ClearScheduleList(Action::Shutdown);
    ClearScheduleList(Action::Restart);
    for (const Action action : {Action::Shutdown, Action::Restart}) {
        for (const std::wstring& line : ScheduleLines(action, model.For(action))) {
            AddScheduleLine(action, line);
        }
    }
}

void Form1::Form_Resize(WPARAM sizeType) {
    if (sizeType == SIZE_MINIMIZED) {
        SetVisible(false);
        return;
    }
    lastState = static_cast<std::int16_t>(sizeType == SIZE_MAXIMIZED ? 2 : 0);
}

bool Form1::Form_Unload() {
    const int answer = MessageBoxW(window, kExitQuestion, kExitQuestionTitle, MB_OKCANCEL | MB_ICONQUESTION);
    if (answer != IDOK) {
        return true;
    }
    Timer1->Enabled(false);
    托盘::removeTrayIcon();
    UnloadSettingsDialogs();
    return false;
}

void Form1::Command1_Click() {
    ShowSettingsDialog(Action::Shutdown, *this);
}

void Form1::Command2_Click() {
    ShowSettingsDialog(Action::Restart, *this);
}

void Form1::Check1_Click() {
    autostart::Apply(static_cast<int>(SendMessageW(Control(kCheck1Id), BM_GETCHECK, 0, 0)), autostartCommand);
}

void Form1::Timer1_Timer() {
    if (clockTick.Run(*this, model, *Timer1)) {
        EndAtOnce();
    }
}

// Windows is ending the session: nothing to ask, only the icon to take away.
void Form1::EndSession() {
    if (Timer1) {
        Timer1->Enabled(false);
        托盘::removeTrayIcon();
    }
    UnloadSettingsDialogs();
    EndAtOnce();
}

void Form1::EndAtOnce() {
    ExitProcess(0);
}
