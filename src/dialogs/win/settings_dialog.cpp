// The two program-wide settings dialogs, one per action; both may be open at once.
#include "dialogs/win/settings_dialog.h"

#include <array>
#include <memory>

#include "dialogs/win/settings_window.h"

namespace {

// Form2 (shutdown) and Form3 (restart).
std::array<std::unique_ptr<SettingsWindow>, 2> openDialogs;

std::unique_ptr<SettingsWindow>& DialogOf(Action action) {
    return openDialogs[action == Action::Shutdown ? 0 : 1];
}

void Forget(Action action) {
    DialogOf(action).reset();
}

}  // namespace

void ShowSettingsDialog(Action action, MainWindowLink& mainWindow) {
    std::unique_ptr<SettingsWindow>& dialog = DialogOf(action);
    if (dialog) {
        ShowWindow(dialog->Handle(), SW_SHOWNORMAL);
        SetForegroundWindow(dialog->Handle());
        return;
    }
    dialog = std::make_unique<SettingsWindow>(action, mainWindow, &Forget);
    if (!dialog->Create(GetModuleHandleW(nullptr))) {
        dialog.reset();
    }
}

void UnloadSettingsDialogs() {
    for (auto& dialog : openDialogs) {
        if (dialog) {
            DestroyWindow(dialog->Handle());
        }
    }
}

bool IsSettingsDialogMessage(MSG* message) {
    for (const auto& dialog : openDialogs) {
        if (dialog && dialog->Handle() != nullptr && IsDialogMessageW(dialog->Handle(), message) != FALSE) {
            return true;
        }
    }
    return false;
}
