// A settings dialog as a Win32 window: class, controls, fonts and layout at the window's DPI.
#include "dialogs/win/settings_window.h"

#include "platform/win/dpi.h"
#include "dialogs/settings_layout.h"
#include "platform/program_path.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TimerSettingsDialog";
constexpr wchar_t kTextFontFace[] = L"黑体";
// A fixed frame with the close box and neither minimise nor maximise.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// The weekday list opens below its field, tall enough for the seven items.
constexpr int kWeekdayListRows = 8;

int Pixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

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

// Governed fields start disabled; the model's interlocks enable them.
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

UniqueFont DialogFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    face.lfHeight = MulDiv(face.lfHeight, dpi, DpiOf(nullptr));
    return UniqueFont(CreateFontIndirectW(&face));
}

// Without 黑体 installed, the font mapper picks the system's GB2312 font of the same size.
UniqueFont TextFont(int dpi) {
    LOGFONTW face{};
    face.lfHeight = -MulDiv(12, dpi, 72);
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = GB2312_CHARSET;
    lstrcpynW(face.lfFaceName, kTextFontFace, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&face));
}

bool RegisterWindowClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

SettingsWindow::SettingsWindow(Action action, MainWindowLink& link, ClosedHandler closedHandler)
    : model(action, platform::ProgramFolder()), mainWindow(link), closed(closedHandler) {}

SettingsWindow::~SettingsWindow() {
    if (window != nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}

bool SettingsWindow::Create(HINSTANCE instance) {
    if (!RegisterWindowClass(instance, &SettingsWindow::WindowProc)) {
        return false;
    }
    const std::wstring caption = DialogCaption(model.action());
    window = CreateWindowExW(kExStyle, kWindowClass, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                             nullptr, nullptr, instance, this);
    if (window == nullptr) {
        return false;
    }
    CreateControls(instance);
    ApplyLayout(DpiOf(window));
    Form_Load();
    Centre();
    ShowWindow(window, SW_SHOWNORMAL);
    SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
    return true;
}

// Created in tab order, which is the order focus moves in.
void SettingsWindow::CreateControls(HINSTANCE instance) {
    for (const SettingsControl& control : SettingsLayout()) {
        const DWORD exStyle = control.kind == SettingsControlKind::TextField ? WS_EX_CLIENTEDGE : 0;
        const std::wstring caption = TwinText(model.action(), control.caption);
        HWND child = CreateWindowExW(exStyle, ClassOf(control.kind), caption.c_str(),
                                     WS_CHILD | WS_VISIBLE | StyleOf(control.kind), 0, 0, 0, 0, window,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        if (control.kind == SettingsControlKind::TextField) {
            // Zero lifts the limit altogether (the minutes field has none).
            SendMessageW(child, EM_LIMITTEXT, static_cast<WPARAM>(control.maxChars), 0);
        }
        if (control.kind == SettingsControlKind::WeekdayList) {
            for (const std::wstring& item : WeekdayItems()) {
                SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
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

void SettingsWindow::ApplyLayout(int dpi) {
    textFont = TextFont(dpi);
    dialogFont = DialogFont(dpi);
    for (const SettingsControl& control : SettingsLayout()) {
        HWND child = Control(control.id);
        const bool isText = control.kind == SettingsControlKind::TextField;
        HFONT font = isText && textFont ? textFont.get() : dialogFont.get();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const int rows = control.kind == SettingsControlKind::WeekdayList ? kWeekdayListRows : 1;
        MoveWindow(child, Pixels(control.left, dpi), Pixels(control.top, dpi), Pixels(control.width, dpi),
                   Pixels(control.height, dpi) * rows, FALSE);
    }
    const RECT frame = WindowRectForClient(Pixels(kDialogWidthTwips, dpi), Pixels(kDialogHeightTwips, dpi), kStyle, kExStyle, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

void SettingsWindow::Centre() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(window, &frame);
    const RECT& screen = monitor.rcMonitor;
    const int left = screen.left + ((screen.right - screen.left) - (frame.right - frame.left)) / 2;
    const int top = screen.top + ((screen.bottom - screen.top) - (frame.bottom - frame.top)) / 2;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
