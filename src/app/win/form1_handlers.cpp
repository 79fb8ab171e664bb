// Form1's handlers: start-up, lifecycle, the autostart box and the once-a-second tick.
#include "app/program_path.h"
#include "app/startup_args.h"
#include "app/summary_lines.h"
#include "app/win/form1.h"
#include "app/win/module_path.h"
#include "schedule/loader.h"
#include "schedule/win/ini.h"
#include "system/product_names.h"
#include "system/win/reg.h"

void Form1::Form_Load(const std::wstring& argumentString) {
    const std::wstring path = ProgramPath();
    autostartCommand = autostart::Command(FolderOf(path), BaseNameOf(path));
    autostart::SetFromRegistry(*this, autostartCommand);
    ShiJian();
    FillScheduleLists();
    Timer1 = std::make_unique<Timer>(timers);
    Timer1->TimerEvent = [this] { Timer1_Timer(); };
    Timer1->Interval(1000);
    Timer1->Enabled(true);
    托盘::addTrayIcon(*this);
    托盘::setTrayTip(kSystemName);
    if (StartsHidden(argumentString)) {
        startedHidden = true;
        SetWindowState(1);
    }
}

void Form1::ShiJian() {
    LoadSchedule(model, IniSettingsFile(ProgramFolder()));
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
    autostart::Check1_Click(*this, autostartCommand);
}

void Form1::Timer1_Timer() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const bool acted = clockTick.Run({now.wYear, now.wMonth, now.wDay}, {now.wHour, now.wMinute, now.wSecond},
                                     static_cast<std::int32_t>(GetTickCount()), model, *Timer1, *this);
    if (acted) {
        EndAtOnce();
    }
}

int Form1::Value() const {
    return static_cast<int>(SendMessageW(Control(kCheck1Id), BM_GETCHECK, 0, 0));
}

void Form1::SetValue(int value) {
    SendMessageW(Control(kCheck1Id), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

std::wstring Form1::ReadRunValue() {
    DWORD type = REG_SZ;
    return reg::readRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, kSystemName, type);
}

bool Form1::WriteRunValue(const std::wstring& command) {
    return reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, kSystemName, command, REG_SZ);
}

bool Form1::DeleteRunValue() {
    return reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, kSystemName);
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
