// A settings dialog's messages: the handlers read the controls, call the model and write the controls back.
#include <optional>

#include "dialogs/settings_ids.h"
#include "dialogs/win/settings_window.h"

namespace {

namespace ids = settings_ids;
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the headers' target version

std::optional<SettingsField> FieldOf(int id) {
    for (std::size_t i = 0; i < kSettingsFieldCount; ++i) {
        const auto field = static_cast<SettingsField>(i);
        if (ids::ForField(field) == id) {
            return field;
        }
    }
    return std::nullopt;
}

std::optional<SettingsCheck> CheckOf(int id) {
    for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
        const auto box = static_cast<SettingsCheck>(i);
        if (ids::ForCheck(box) == id) {
            return box;
        }
    }
    return std::nullopt;
}

// The save's list and reload go to the main window.
class MainWindowTarget final : public SaveTarget {
  public:
    MainWindowTarget(MainWindowLink& link, Action action) : mainWindow(link), listAction(action) {}
    void ClearList() override { mainWindow.ClearScheduleList(listAction); }
    void AddLine(const std::wstring& line) override { mainWindow.AddScheduleLine(listAction, line); }
    void Reload() override { mainWindow.ShiJian(); }

  private:
    MainWindowLink& mainWindow;
    Action listAction;
};

}  // namespace

LRESULT CALLBACK SettingsWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<SettingsWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SettingsWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The owner deletes the object here; nothing of it is touched afterwards.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->window = nullptr;
        self->closed(self->model.action());
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT SettingsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return ColorField(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message, wParam, lParam);
        case DM_GETDEFID:
            return MAKELRESULT(ids::kCommand2, DC_HASDEFID);
        case WM_ACTIVATE:
            // A plain window does not keep its focused control across deactivation the way a dialog does.
            if (LOWORD(wParam) == WA_INACTIVE) {
                lastFocus = GetFocus();
            } else if (lastFocus != nullptr && IsChild(window, lastFocus)) {
                SetFocus(lastFocus);
                return 0;
            }
            break;
        case kDpiChanged: {
            ApplyLayout(HIWORD(wParam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void SettingsWindow::OnCommand(int id, int code) {
    if (id == ids::kCommand2) {
        Command2_Click();
        return;
    }
    if (id == ids::kCommand3) {
        Command3_Click();
        return;
    }
    if (syncing) {
        return;
    }
    if (const auto box = CheckOf(id); box && code == BN_CLICKED) {
        model.SetCheck(*box, IsDlgButtonChecked(window, id) == BST_CHECKED ? 1 : 0);
    } else if (const auto field = FieldOf(id); field && field != SettingsField::Combo1 && code == EN_CHANGE) {
        model.SetText(*field, ControlText(Control(id)));
    } else if (id == ids::kCombo1 && code == CBN_EDITCHANGE) {
        model.SetText(SettingsField::Combo1, ControlText(Control(id)));
    } else if (id == ids::kCombo1 && code == CBN_SELCHANGE) {
        HWND combo = Control(id);
        const LRESULT item = SendMessageW(combo, CB_GETCURSEL, 0, 0);
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0);
        if (item == CB_ERR || length == CB_ERR) {
            return;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        model.SetText(SettingsField::Combo1, text);
        return;  // the combo shows the picked item itself once this notification returns
    } else {
        return;
    }
    SyncControls();
}

void SettingsWindow::Form_Load() {
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(mainWindow.Icon()));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(mainWindow.Icon()));
    SYSTEMTIME now{};
    GetLocalTime(&now);
    model.Form_Load({now.wYear, now.wMonth, now.wDay});
    SyncControls();
}

// Saves, then closes: the window and this object are gone when DestroyWindow returns.
void SettingsWindow::Command2_Click() {
    model.SetText(SettingsField::Combo1, ControlText(Control(ids::kCombo1)));
    SYSTEMTIME now{};
    GetLocalTime(&now);
    MainWindowTarget target(mainWindow, model.action());
    model.Command2_Click(now.wYear, target);
    DestroyWindow(window);
}

void SettingsWindow::Command3_Click() {
    DestroyWindow(window);
}

void SettingsWindow::SyncControls() {
    syncing = true;
    for (std::size_t i = 0; i < kSettingsFieldCount; ++i) {
        const auto field = static_cast<SettingsField>(i);
        HWND control = Control(ids::ForField(field));
        if (ControlText(control) != model.Text(field)) {
            SetWindowTextW(control, model.Text(field).c_str());
            if (field != SettingsField::Combo1) {
                // Typing goes on after what is shown rather than before it.
                const std::size_t end = model.Text(field).size();
                SendMessageW(control, EM_SETSEL, end, static_cast<LPARAM>(end));
            }
        }
        if ((IsWindowEnabled(control) != FALSE) != model.Enabled(field)) {
            EnableWindow(control, model.Enabled(field) ? TRUE : FALSE);
        }
    }
    for (std::size_t i = 0; i < kSettingsCheckCount; ++i) {
        const auto box = static_cast<SettingsCheck>(i);
        CheckDlgButton(window, ids::ForCheck(box), model.Check(box) == 1 ? BST_CHECKED : BST_UNCHECKED);
    }
    syncing = false;
}

// A governed field, or the edit part inside the weekday list, takes the background its interlock chose.
LRESULT SettingsWindow::ColorField(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    std::optional<SettingsField> field = FieldOf(GetDlgCtrlID(control));
    if (!field && GetParent(control) != window) {
        field = FieldOf(GetDlgCtrlID(GetParent(control)));
    }
    if (!field) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const int colour = model.Background(*field);
    SetBkColor(dc, GetSysColor(colour));
    SetTextColor(dc, GetSysColor(model.Enabled(*field) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
}

std::wstring SettingsWindow::ControlText(HWND control) const {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}
