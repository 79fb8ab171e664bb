// The main window's layout in twips, and its conversion to pixels at a given DPI.
#pragma once

#include <array>

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

enum class ControlKind { Label, ListBox, Frame, Button, CheckBox };
enum class ControlFont { Default, Clock, List, Button };

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

extern const wchar_t kMainCaption[];
extern const wchar_t kExitQuestion[];
extern const wchar_t kExitQuestionTitle[];
extern const wchar_t kTrayTip[];
extern const wchar_t kControlFontFace[];

// The nine controls in tab order.
const std::array<ControlLayout, 9>& MainControls();

// Twips are physical units: 1440 to the inch, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);
PixelRect ToPixels(const TwipsRect& rect, int dpi);
// A 96-DPI pixel length at another DPI.
int ScaleFrom96(int pixels, int dpi);
// The character height (LOGFONT's negative lfHeight) of a font size given in hundredths of a point.
int FontHeight(ControlFont font, int dpi);
