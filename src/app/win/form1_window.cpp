// Form1 as a Win32 window: class, controls, layout at the window's DPI, painting.
#include "app/main_layout.h"
#include "app/res/resource.h"
#include "app/win/form1.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TimerForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

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

UniqueIcon LoadProgramIcon(HINSTANCE instance, int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return UniqueIcon(
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0)));
}

}  // namespace

Form1::Form1(HINSTANCE instanceHandle) : instance(instanceHandle) {}

bool Form1::Create() {
    if (!Window::Create(instance, kWindowClass, kMainCaption, kStyle, 0)) {
        return false;
    }
    bigIcon = LoadProgramIcon(instance, SM_CXICON);
    smallIcon = LoadProgramIcon(instance, SM_CXSMICON);
    SetIcons(bigIcon.get(), smallIcon.get());
    CreateControls();
    LayOut(kClientWidthTwips, kClientHeightTwips);
    return true;
}

void Form1::CreateControls() {
    for (const ControlLayout& control : kMainControls) {
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

void Form1::ApplyLayout() {
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        fonts[i] = i == 0 ? MessageFont(dpi) : Gb2312Font(kControlFontFace, kFontSizes[i], dpi);
    }
    for (const ControlLayout& control : kMainControls) {
        const TwipsRect& rect = control.onWindow;
        HWND hwnd = Control(control.id);
        MoveWindow(hwnd, Pixels(rect.left, dpi), Pixels(rect.top, dpi), Pixels(rect.width, dpi),
                   Pixels(rect.height, dpi), FALSE);
        const HFONT font = fonts[static_cast<std::size_t>(control.font)].get();
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    LoadBanner();
    InvalidateRect(window, nullptr, TRUE);
}

void Form1::LoadBanner() {
    UniqueBitmap source(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const int width = MulDiv(kBannerWidth, dpi, 96);
    const int height = MulDiv(kBannerHeight, dpi, 96);
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
    BitBlt(dc, 0, 0, MulDiv(kBannerWidth, dpi, 96), MulDiv(kBannerHeight, dpi, 96), memory, 0, 0, SRCCOPY);
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
