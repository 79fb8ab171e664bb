// The main window's texts, and its layout in twips.
#pragma once

inline constexpr wchar_t kMainCaption[] = L"岚舟定时关机 1.6  http://www.lanzhou-timer.example";
inline constexpr wchar_t kExitQuestion[] = L"确定要退出本程序吗?";
inline constexpr wchar_t kExitQuestionTitle[] = L"是否退出?";
inline constexpr wchar_t kControlFontFace[] = L"黑体";

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

enum class ControlKind { Label, ListBox, Frame, Button, CheckBox };
enum class ControlFont { Default, Clock, List, Button };
// Hundredths of a point, by ControlFont; the default font is the system's message font.
constexpr int kFontSizes[] = {0, 2175, 1200, 1050};

struct ControlLayout {
    int id;
    ControlKind kind;
    const wchar_t* text;
    TwipsRect onWindow;  // relative to the window's client area, also for the buttons inside a frame
    ControlFont font;
};

constexpr int kLabel1Id = 101;
constexpr int kLabel2Id = 102;
constexpr int kList1Id = 103;
constexpr int kFrame1Id = 104;
constexpr int kCommand1Id = 105;
constexpr int kCheck1Id = 106;
constexpr int kList2Id = 107;
constexpr int kFrame2Id = 108;
constexpr int kCommand2Id = 109;

constexpr int kClientWidthTwips = 6480;
constexpr int kClientHeightTwips = 5655;
constexpr int kBannerWidth = 434;  // pixels at 96 DPI
constexpr int kBannerHeight = 56;

constexpr TwipsRect kFrame1{360, 960, 5775, 1935};
constexpr TwipsRect kFrame2{360, 3120, 5775, 1935};
// A frame's button sits at (4800, 170) inside it.
constexpr TwipsRect ButtonIn(const TwipsRect& frame) {
    return {frame.left + 4800, frame.top + 170, 855, 375};
}

// The nine controls in tab order.
inline constexpr ControlLayout kMainControls[] = {
    {kLabel1Id, ControlKind::Label, L"", {1200, 180, 2295, 495}, ControlFont::Clock},
    {kLabel2Id, ControlKind::Label, L"", {4200, 180, 1815, 495}, ControlFont::Clock},
    {kList1Id, ControlKind::ListBox, L"", {480, 1560, 5535, 1230}, ControlFont::List},
    {kFrame1Id, ControlKind::Frame, L"定时关机", kFrame1, ControlFont::Default},
    {kCommand1Id, ControlKind::Button, L"设置\u2026", ButtonIn(kFrame1), ControlFont::Button},
    {kCheck1Id, ControlKind::CheckBox, L"开机自动运行", {360, 5160, 1575, 255}, ControlFont::Default},
    {kList2Id, ControlKind::ListBox, L"", {480, 3720, 5535, 1230}, ControlFont::List},
    {kFrame2Id, ControlKind::Frame, L"定时重启", kFrame2, ControlFont::Default},
    {kCommand2Id, ControlKind::Button, L"设置\u2026", ButtonIn(kFrame2), ControlFont::Button},
};
