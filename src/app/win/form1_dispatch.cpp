// Form1's message dispatch, and what the tray module and the settings dialogs ask of the window.
#include "app/main_layout.h"
#include "app/win/form1.h"

void Form1::SetCaptions(const std::wstring& date, const std::wstring& time) {
    SetWindowTextW(Control(kLabel1Id), date.c_str());
    SetWindowTextW(Control(kLabel2Id), time.c_str());
}

HWND Form1::ListOf(Action action) const {
    return Control(action == Action::Shutdown ? kList1Id : kList2Id);
}

void Form1::ClearScheduleList(Action action) {
    SendMessageW(ListOf(action), LB_RESETCONTENT, 0, 0);
}

void Form1::AddScheduleLine(Action action, const std::wstring& line) {
    SendMessageW(ListOf(action), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

int Form1::WindowState() const {
    return IsIconic(window) != FALSE ? 1 : IsZoomed(window) != FALSE ? 2 : 0;
}

void Form1::SetWindowState(int state) {
    ShowWindow(window, state == 1 ? SW_SHOWMINNOACTIVE : state == 2 ? SW_SHOWMAXIMIZED : SW_RESTORE);
}

void Form1::SetVisible(bool visible) {
    ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}

void Form1::AfterRestore() {
    SetForegroundWindow(window);
}

void Form1::Show(int showCommand) {
    ShowWindow(window, showCommand);
    UpdateWindow(window);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CTLCOLORSTATIC:
            return ColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_SIZE:
            Form_Resize(wParam);
            return 0;
        case WM_CLOSE:
            if (!Form_Unload()) {
                DestroyWindow(window);
            }
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != 0) {
                EndSession();
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Form1::OnCommand(int id, int code) {
    if (code != BN_CLICKED) {
        return;
    }
    switch (id) {
        case kCommand1Id:
            Command1_Click();
            break;
        case kCommand2Id:
            Command2_Click();
            break;
        case kCheck1Id:
            Check1_Click();
            break;
        default:
            break;
    }
}
