#include "app/main_layout.h"

const wchar_t kMainCaption[] = L"岚舟定时关机 1.6  http://www.lanzhou-timer.example";
const wchar_t kExitQuestion[] = L"确定要退出本程序吗?";
const wchar_t kExitQuestionTitle[] = L"是否退出?";
const wchar_t kTrayTip[] = L"澄屿定时关机";
const wchar_t kControlFontFace[] = L"黑体";

namespace {

// The frames' buttons sit at (4800, 170) inside their frame.
constexpr int kButtonInFrameLeft = 4800;
constexpr int kButtonInFrameTop = 170;
constexpr TwipsRect kFrame1{360, 960, 5775, 1935};
constexpr TwipsRect kFrame2{360, 3120, 5775, 1935};

constexpr TwipsRect ButtonIn(const TwipsRect& frame) {
    return {frame.left + kButtonInFrameLeft, frame.top + kButtonInFrameTop, 855, 375};
}

int RoundedMulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

const std::array<ControlLayout, 9>& MainControls() {
    static const std::array<ControlLayout, 9> kControls{{
        {kLabel1Id, ControlKind::Label, L"", {1200, 180, 2295, 495}, ControlFont::Clock},
        {kLabel2Id, ControlKind::Label, L"", {4200, 180, 1815, 495}, ControlFont::Clock},
        {kList1Id, ControlKind::ListBox, L"", {480, 1560, 5535, 1230}, ControlFont::List},
        {kFrame1Id, ControlKind::Frame, L"定时关机", kFrame1, ControlFont::Default},
        {kCommand1Id, ControlKind::Button, L"设置\u2026", ButtonIn(kFrame1), ControlFont::Button},
        {kCheck1Id, ControlKind::CheckBox, L"开机自动运行", {360, 5160, 1575, 255}, ControlFont::Default},
        {kList2Id, ControlKind::ListBox, L"", {480, 3720, 5535, 1230}, ControlFont::List},
        {kFrame2Id, ControlKind::Frame, L"定时重启", kFrame2, ControlFont::Default},
        {kCommand2Id, ControlKind::Button, L"设置\u2026", ButtonIn(kFrame2), ControlFont::Button},
    }};
    return kControls;
}

int TwipsToPixels(int twips, int dpi) {
    return RoundedMulDiv(twips, dpi, 1440);
}

PixelRect ToPixels(const TwipsRect& rect, int dpi) {
    return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi), TwipsToPixels(rect.width, dpi),
            TwipsToPixels(rect.height, dpi)};
}

int ScaleFrom96(int pixels, int dpi) {
    return RoundedMulDiv(pixels, dpi, 96);
}

int FontHeight(ControlFont font, int dpi) {
    int hundredthsOfPoint = 0;
    switch (font) {
        case ControlFont::Clock:
            hundredthsOfPoint = 2175;
            break;
        case ControlFont::List:
            hundredthsOfPoint = 1200;
            break;
        case ControlFont::Button:
            hundredthsOfPoint = 1050;
            break;
        case ControlFont::Default:
            return 0;
    }
    return -RoundedMulDiv(hundredthsOfPoint, dpi, 7200);
}
