// Program entry: one instance per executable, the main window, the message loop.
#include "app/instance_name.h"
#include "app/startup_args.h"
#include "app/win/form1.h"
#include "app/win/module_path.h"

namespace {

int RunMessageLoop(HWND mainWindow) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsSettingsDialogMessage(&message)) {
            continue;
        }
        // Gives the main window keyboard navigation between its controls (Tab, Space).
        if (IsWindow(mainWindow) != FALSE && IsDialogMessageW(mainWindow, &message) != FALSE) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

// The parameters keep the names the Windows headers give them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nShowCmd) {
    // The mutex is never closed: it lives as long as the process, and a second start of the same file
    // finds it and leaves.
    CreateMutexW(nullptr, FALSE, InstanceMutexName(ProgramPath()).c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;
    }
    Form1 form(hInstance);
    if (!form.Create()) {
        return 1;
    }
    form.Form_Load(ArgumentString(GetCommandLineW(), ProgramPath()));
    if (!form.StartedHidden()) {
        form.Show(nShowCmd);
    }
    return RunMessageLoop(form.Handle());
}
