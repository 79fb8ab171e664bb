// Form1's message dispatch, and what the tray module and the settings dialogs ask of the window.
#include "app/main_layout.h"
#include "app/win/form1.h"

namespace {

constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the headers' target version

}  // namespace

std::wstring Form1::ControlText(int id) const {
    HWND hwnd = Control(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Form1::SetCaptions(const std::wstring& date, const std::wstring& time) {
    SetControlText(kLabel1Id, date);
    SetControlText(kLabel2Id, time);
}

void Form1::SetControlText(int id, const std::wstring& text) {
    SetWindowTextW(Control(id), text.c_str());
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
    return IsIconic(window) ? 1 : IsZoomed(window) ? 2 : 0;
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

LRESULT CALLBACK Form1::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Form1*>(create->lpCreateParams);
        self->window = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self != nullptr ? self->HandleMessage(message, wParam, lParam)
                           : DefWindowProcW(hwnd, message, wParam, lParam);
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
        case kDpiChanged:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Moved to a monitor of another DPI: lay out again and take the size Windows suggests.
void Form1::OnDpiChanged(int newDpi, const RECT& suggested) {
    ApplyLayout(newDpi);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
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
