// A settings dialog as a Win32 window: its controls, their layout at the window's DPI, and the messages
// that run the dialog's handlers on them.
#include "dialogs/win/settings_window.h"

#include "app/win/module_path.h"
#include "dialogs/settings_handlers.h"
#include "dialogs/settings_ids.h"
#include "dialogs/settings_layout.h"
#include "dialogs/settings_save.h"
#include "schedule/win/ini.h"

namespace {

namespace ids = settings_ids;
constexpr wchar_t kWindowClass[] = L"TimerSettingsDialog";
constexpr wchar_t kTextFontFace[] = L"黑体";
// A fixed frame with the close box and neither minimise nor maximise.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// The weekday list opens below its field, tall enough for the seven items.
constexpr int kWeekdayListRows = 8;

const wchar_t* ClassOf(SettingsControlKind kind) {
    switch (kind) {
        case SettingsControlKind::TextField:
            return L"EDIT";
        case SettingsControlKind::Label:
            return L"STATIC";
        case SettingsControlKind::WeekdayList:
            return L"COMBOBOX";
        default:
            return L"BUTTON";
    }
}

// Governed fields start disabled; the interlocks enable them.
DWORD StyleOf(SettingsControlKind kind) {
    switch (kind) {
        case SettingsControlKind::CheckBox:
            return WS_TABSTOP | BS_AUTOCHECKBOX;
        case SettingsControlKind::TextField:
            return WS_TABSTOP | WS_DISABLED | ES_AUTOHSCROLL;
        case SettingsControlKind::Label:
            return SS_LEFT | SS_NOPREFIX | WS_CLIPSIBLINGS;
        case SettingsControlKind::WeekdayList:
            return WS_TABSTOP | WS_DISABLED | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
        case SettingsControlKind::DefaultButton:
            return WS_TABSTOP | BS_DEFPUSHBUTTON;
        case SettingsControlKind::CancelButton:
            return WS_TABSTOP | BS_PUSHBUTTON;
    }
    return 0;
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

SYSTEMTIME Now() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

}  // namespace

SettingsWindow::SettingsWindow(Action dialogAction, MainWindowLink& link, ClosedHandler closedHandler)
    : action(dialogAction), mainWindow(link), closed(closedHandler) {
    backgrounds.fill(kButtonFace);
}

bool SettingsWindow::Create(HINSTANCE instance) {
    if (!Window::Create(instance, kWindowClass, L"", kStyle, kExStyle)) {
        return false;
    }
    CreateControls(instance);
    LayOut(kDialogWidthTwips, kDialogHeightTwips);
    Form_Load();
    // The caption comes last, so that a tool that finds the dialog by it finds the dialog loaded.
    SetWindowTextW(window, DialogCaption(action).c_str());
    ShowWindow(window, SW_SHOWNORMAL);
    SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
    return true;
}

// Created in tab order, which is the order focus moves in.
void SettingsWindow::CreateControls(HINSTANCE instance) {
    for (const SettingsControl& control : SettingsLayout()) {
        const DWORD exStyle = control.kind == SettingsControlKind::TextField ? WS_EX_CLIENTEDGE : 0;
        HWND child = CreateWindowExW(exStyle, ClassOf(control.kind), TwinText(action, control.caption).c_str(),
                                     WS_CHILD | WS_VISIBLE | StyleOf(control.kind), 0, 0, 0, 0, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        if (control.kind == SettingsControlKind::TextField) {
            // Zero lifts the limit altogether (the minutes field has none).
            SendMessageW(child, EM_LIMITTEXT, static_cast<WPARAM>(control.maxChars), 0);
        }
        if (control.kind == SettingsControlKind::WeekdayList) {
            for (const wchar_t* item : kWeekdayNames) {
                SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            }
        }
    }
    // Labels lie beneath the fields they touch ("月" overlaps the day field); they take no focus, so the
    // tab order of the others stays as created.
    for (const SettingsControl& control : SettingsLayout()) {
        if (control.kind == SettingsControlKind::Label) {
            SetWindowPos(Control(control.id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void SettingsWindow::ApplyLayout() {
    textFont = Gb2312Font(kTextFontFace, 1200, dpi);
    dialogFont = MessageFont(dpi);
    for (const SettingsControl& control : SettingsLayout()) {
        HWND child = Control(control.id);
        const bool isText = control.kind == SettingsControlKind::TextField;
        HFONT font = isText && textFont ? textFont.get() : dialogFont.get();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const int rows = control.kind == SettingsControlKind::WeekdayList ? kWeekdayListRows : 1;
        MoveWindow(child, Pixels(control.left, dpi), Pixels(control.top, dpi), Pixels(control.width, dpi),
                   Pixels(control.height, dpi) * rows, FALSE);
    }
    InvalidateRect(window, nullptr, TRUE);
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
            } else if (lastFocus != nullptr && IsChild(window, lastFocus) != FALSE) {
                SetFocus(lastFocus);
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A text field reports every change of its text, the program's own and another program's WM_SETTEXT
// included; the weekday box reports none that matters, as the save reads whatever it shows.
void SettingsWindow::OnCommand(int id, int code) {
    if (id == ids::kCommand2) {
        Command2_Click();
    } else if (id == ids::kCommand3) {
        DestroyWindow(window);  // Command3_Click
    } else if (const auto box = ids::CheckOf(id); box && code == BN_CLICKED) {
        settings::Check_Click(*this, *box);
    } else if (const auto field = ids::FieldOf(id); field && code == EN_CHANGE) {
        settings::Text_Change(*this, *field);
    }
}

void SettingsWindow::Form_Load() {
    HWND main = mainWindow.Handle();
    SetIcons(reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_BIG, 0)),
             reinterpret_cast<HICON>(SendMessageW(main, WM_GETICON, ICON_SMALL, 0)));
    const SYSTEMTIME now = Now();
    settings::Form_Load(*this, action, IniSettingsFile(ProgramFolder()), {now.wYear, now.wMonth, now.wDay});
}

// Saves, then closes: the window and this object are gone when DestroyWindow returns.
void SettingsWindow::Command2_Click() {
    MainWindowTarget target(mainWindow, action);
    IniSettingsFile file(ProgramFolder());
    settings::Command2_Click(*this, action, file, Now().wYear, target);
    DestroyWindow(window);
}

HWND SettingsWindow::Control(SettingsField field) const {
    return Control(ids::ForField(field));
}

std::wstring SettingsWindow::Text(SettingsField field) const {
    return WindowText(Control(field));
}

// WM_SETTEXT makes an edit control report EN_CHANGE even for the text it already shows, on Windows as
// under Wine; the same text is left alone, so a filter's replacement re-runs the filter exactly once.
void SettingsWindow::SetText(SettingsField field, const std::wstring& text) {
    HWND control = Control(field);
    if (WindowText(control) == text) {
        return;
    }
    SetWindowTextW(control, text.c_str());
    if (field != SettingsField::Combo1) {
        // Typing goes on after what is shown rather than before it.
        SendMessageW(control, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
    }
}

int SettingsWindow::Check(SettingsCheck box) const {
    return static_cast<int>(IsDlgButtonChecked(window, ids::ForCheck(box)));
}

void SettingsWindow::SetCheck(SettingsCheck box, int value) {
    CheckDlgButton(window, ids::ForCheck(box), static_cast<UINT>(value));
}

void SettingsWindow::Enable(SettingsField field, bool enabled, int background) {
    EnableWindow(Control(field), enabled ? TRUE : FALSE);
    backgrounds[IndexOf(field)] = background;
}

// A governed field, or the edit part inside the weekday list, takes the background its interlock chose.
LRESULT SettingsWindow::ColorField(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    std::optional<SettingsField> field = ids::FieldOf(GetDlgCtrlID(control));
    if (!field && GetParent(control) != window) {
        field = ids::FieldOf(GetDlgCtrlID(GetParent(control)));
    }
    if (!field) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const int colour = backgrounds[IndexOf(*field)];
    SetBkColor(dc, GetSysColor(colour));
    SetTextColor(dc, GetSysColor(IsWindowEnabled(Control(*field)) != FALSE ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
}
