// Form1 as a Win32 window: class, controls, layout at the window's DPI, painting.
#include "app/main_layout.h"
#include "app/res/resource.h"
#include "platform/win/dpi.h"
#include "app/win/form1.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TimerForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;

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
        WindowRectForClient(TwipsToPixels(kClientWidthTwips, dpi), TwipsToPixels(kClientHeightTwips, dpi), kStyle,
                            kExStyle, dpi);
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
