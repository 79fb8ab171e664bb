// Form1 as a Win32 window: class, controls, layout at the window's DPI, painting, message dispatch.
#include "app/main_layout.h"
#include "app/res/resource.h"
#include "app/win/form1.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TimerForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the headers' target version

// Per-monitor DPI functions exist from Windows 10 on; older systems answer with the system DPI.
int DpiOf(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && hwnd != nullptr) {
        return static_cast<int>(getDpiForWindow(hwnd));
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT WindowRectForClient(int width, int height, int dpi) {
    RECT rect{0, 0, width, height};
    using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpiFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, kStyle, FALSE, kExStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, kStyle, FALSE, kExStyle);
    }
    return rect;
}

const wchar_t* ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return L"STATIC";
        case ControlKind::ListBox:
            return L"LISTBOX";
        default:
            return L"BUTTON";
    }
}

DWORD StyleOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return SS_LEFT | SS_NOPREFIX;
        case ControlKind::ListBox:
            return WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
        case ControlKind::Frame:
            return BS_GROUPBOX;
        case ControlKind::Button:
            return WS_TABSTOP | BS_PUSHBUTTON;
        case ControlKind::CheckBox:
            return WS_TABSTOP | BS_AUTOCHECKBOX;
    }
    return 0;
}

UniqueFont MakeFont(ControlFont font, int dpi) {
    LOGFONTW face{};
    if (font == ControlFont::Default) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        face = metrics.lfMessageFont;
        face.lfHeight = MulDiv(face.lfHeight, dpi, DpiOf(nullptr));
        return UniqueFont(CreateFontIndirectW(&face));
    }
    // Without 黑体 installed, the font mapper picks the system's GB2312 font of the same size.
    face.lfHeight = FontHeight(font, dpi);
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = GB2312_CHARSET;
    face.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(face.lfFaceName, kControlFontFace, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&face));
}

}  // namespace

Form1::Form1(HINSTANCE instanceHandle) : instance(instanceHandle) {}

Form1::~Form1() {
    if (window != nullptr) {
        DestroyWindow(window);
    }
}

bool Form1::Create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Form1::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    bigIcon.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
    smallIcon.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    windowClass.hIcon = bigIcon.get();
    windowClass.hIconSm = smallIcon.get();
    if (RegisterClassExW(&windowClass) == 0) {
        return false;
    }
    window = CreateWindowExW(kExStyle, kWindowClass, kMainCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                             nullptr, nullptr, instance, this);
    if (window == nullptr) {
        return false;
    }
    CreateControls();
    ApplyLayout(DpiOf(window));
    PlaceWindow();
    return true;
}

void Form1::CreateControls() {
    for (const ControlLayout& control : MainControls()) {
        CreateWindowExW(control.kind == ControlKind::ListBox ? WS_EX_CLIENTEDGE : 0, ClassOf(control.kind),
                        control.text, WS_CHILD | WS_VISIBLE | StyleOf(control.kind), 0, 0, 0, 0, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
    }
    // The frames go to the back so the controls laid over them paint on top; frames take no tab stop,
    // so the tab order of the others is unchanged.
    for (const int frame : {kFrame1Id, kFrame2Id}) {
        SetWindowPos(Control(frame), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Form1::ApplyLayout(int newDpi) {
    dpi = newDpi;
    clockFont = MakeFont(ControlFont::Clock, dpi);
    listFont = MakeFont(ControlFont::List, dpi);
    buttonFont = MakeFont(ControlFont::Button, dpi);
    defaultFont = MakeFont(ControlFont::Default, dpi);
    for (const ControlLayout& control : MainControls()) {
        const PixelRect rect = ToPixels(control.onWindow, dpi);
        HWND hwnd = Control(control.id);
        MoveWindow(hwnd, rect.left, rect.top, rect.width, rect.height, FALSE);
        HFONT font = control.font == ControlFont::Clock    ? clockFont.get()
                     : control.font == ControlFont::List   ? listFont.get()
                     : control.font == ControlFont::Button ? buttonFont.get()
                                                           : defaultFont.get();
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    LoadBanner();
    InvalidateRect(window, nullptr, TRUE);
}

void Form1::PlaceWindow() {
    const RECT frame =
        WindowRectForClient(TwipsToPixels(kClientWidthTwips, dpi), TwipsToPixels(kClientHeightTwips, dpi), dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::LoadBanner() {
    UniqueBitmap source(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const int width = ScaleFrom96(kBannerWidth, dpi);
    const int height = ScaleFrom96(kBannerHeight, dpi);
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    banner.reset(CreateCompatibleBitmap(screen, width, height));
    HGDIOBJ oldFrom = SelectObject(from, source.get());
    HGDIOBJ oldTo = SelectObject(to, banner.get());
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, kBannerWidth, kBannerHeight, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    bannerBrush.reset(CreatePatternBrush(banner.get()));
}

void Form1::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, banner.get());
    BitBlt(dc, 0, 0, ScaleFrom96(kBannerWidth, dpi), ScaleFrom96(kBannerHeight, dpi), memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

// The clock labels show the banner through their background: their brush is the banner itself,
// aligned to the window's client area.
LRESULT Form1::ColorStatic(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id != kLabel1Id && id != kLabel2Id) {
        return DefWindowProcW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    SetBrushOrgEx(dc, -rect.left, -rect.top, nullptr);
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(bannerBrush.get());
}

std::wstring Form1::ControlText(int id) const {
    HWND hwnd = Control(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
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
        case kDpiChanged: {
            ApplyLayout(HIWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_DESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window = nullptr;
            PostQuitMessage(0);
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
