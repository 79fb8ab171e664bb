#include "app/main_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(MainLayout, TwipsBecomePhysicalPixels) {
    struct Case {
        int twips, dpi, pixels;
    } const cases[] = {
        {6480, 96, 432},  {5655, 96, 377},  {15, 96, 1},      {6480, 120, 540}, {5655, 120, 471}, {6480, 144, 648},
        {5655, 144, 566}, {6480, 192, 864}, {5655, 192, 754}, {7, 96, 0},       {8, 96, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi << " DPI";
    }
    EXPECT_EQ(ScaleFrom96(kBannerWidth, 96), 434);
    EXPECT_EQ(ScaleFrom96(kBannerWidth, 144), 651);
    EXPECT_EQ(ScaleFrom96(kBannerHeight, 120), 70);
}

TEST(MainLayout, ControlsInTabOrderWithTheirTexts) {
    const auto& controls = MainControls();
    const int expectedIds[] = {kLabel1Id, kLabel2Id, kList1Id,  kFrame1Id,  kCommand1Id,
                               kCheck1Id, kList2Id,  kFrame2Id, kCommand2Id};
    std::set<int> ids;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i].id, expectedIds[i]) << "tab position " << i;
        ids.insert(controls[i].id);
    }
    EXPECT_EQ(ids.size(), controls.size());
    // IDOK and IDCANCEL would turn Enter and Esc in the window into clicks.
    EXPECT_EQ(ids.count(1) + ids.count(2), 0u);
    EXPECT_EQ(std::wstring(controls[4].text), L"设置\u2026");
    EXPECT_EQ(std::wstring(controls[8].text), L"设置\u2026");
    EXPECT_EQ(std::wstring(controls[3].text), L"定时关机");
    EXPECT_EQ(std::wstring(controls[7].text), L"定时重启");
    EXPECT_EQ(std::wstring(controls[5].text), L"开机自动运行");
}

TEST(MainLayout, ButtonsSitAtTheTopRightOfTheirFrames) {
    const auto& controls = MainControls();
    const TwipsRect command1 = controls[4].onWindow;
    const TwipsRect command2 = controls[8].onWindow;
    EXPECT_EQ(command1.left, 5160);
    EXPECT_EQ(command1.top, 1130);
    EXPECT_EQ(command2.left, 5160);
    EXPECT_EQ(command2.top, 3290);
    EXPECT_EQ(command1.width, 855);
    EXPECT_EQ(command1.height, 375);
    for (const std::size_t frame : {3u, 7u}) {
        const TwipsRect f = controls[frame].onWindow;
        const TwipsRect list = controls[frame - 1].onWindow;
        const TwipsRect button = controls[frame + 1].onWindow;
        EXPECT_LE(button.left + button.width, f.left + f.width);
        EXPECT_LE(list.top + list.height, f.top + f.height) << "the list lies over its frame";
        EXPECT_LE(button.top + button.height, list.top) << "the list is below the button";
    }
}

TEST(MainLayout, ClockLabelsLieOnTheBanner) {
    for (const int dpi : {96, 120, 144, 192}) {
        for (const std::size_t label : {0u, 1u}) {
            const PixelRect rect = ToPixels(MainControls()[label].onWindow, dpi);
            EXPECT_LE(rect.top + rect.height, ScaleFrom96(kBannerHeight, dpi)) << dpi;
            EXPECT_LE(rect.left + rect.width, ScaleFrom96(kBannerWidth, dpi)) << dpi;
        }
    }
}

TEST(MainLayout, FontSizesInPoints) {
    EXPECT_EQ(FontHeight(ControlFont::Clock, 96), -29);   // 21.75 pt
    EXPECT_EQ(FontHeight(ControlFont::List, 96), -16);    // 12 pt
    EXPECT_EQ(FontHeight(ControlFont::Button, 96), -14);  // 10.5 pt
    EXPECT_EQ(FontHeight(ControlFont::Clock, 144), -44);
    EXPECT_EQ(FontHeight(ControlFont::List, 192), -32);
    EXPECT_EQ(FontHeight(ControlFont::Default, 144), 0);
}

TEST(MainLayout, CaptionBeginsWithNameVersionAndTwoBlanks) {
    const std::wstring caption = kMainCaption;
    const std::wstring head = L"岚舟定时关机 1.6  ";
    ASSERT_GT(caption.size(), head.size());
    EXPECT_EQ(caption.compare(0, head.size(), head), 0);
    EXPECT_NE(caption[head.size()], L' ');
}

}  // namespace
