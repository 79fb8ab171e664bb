#include "app/main_layout.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>

namespace {

TEST(MainLayout, TwipsBecomePhysicalPixels) {
    const struct {
        int twips, dpi, pixels;
    } cases[] = {
        {6480, 96, 432}, {5655, 96, 377}, {7, 96, 0}, {8, 96, 1}, {5655, 120, 471}, {5655, 144, 566}, {6480, 192, 864},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi << " DPI";
    }
    EXPECT_EQ(ScaleFrom96(kBannerWidth, 144), 651);
    EXPECT_EQ(ScaleFrom96(kBannerHeight, 120), 70);
}

TEST(MainLayout, ControlsInTabOrderWithTheirTexts) {
    const auto& controls = MainControls();
    const int expectedIds[] = {kLabel1Id, kLabel2Id, kList1Id,  kFrame1Id,  kCommand1Id,
                               kCheck1Id, kList2Id,  kFrame2Id, kCommand2Id};
    ASSERT_EQ(controls.size(), std::size(expectedIds));
    std::set<int> ids;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i].id, expectedIds[i]) << "tab position " << i;
        ids.insert(controls[i].id);
    }
    EXPECT_EQ(ids.size(), controls.size());
    // IDOK and IDCANCEL would turn Enter and Esc in the window into clicks.
    EXPECT_EQ(ids.count(1) + ids.count(2), 0u);
    const std::pair<std::size_t, std::wstring> texts[] = {
        {3, L"定时关机"}, {4, L"设置\u2026"}, {5, L"开机自动运行"}, {7, L"定时重启"}, {8, L"设置\u2026"}};
    for (const auto& [index, text] : texts) {
        EXPECT_EQ(controls[index].text, text);
    }
}

TEST(MainLayout, ButtonsSitAtTheTopRightOfTheirFramesAboveTheLists) {
    const auto& controls = MainControls();
    EXPECT_EQ(controls[4].onWindow.left, 5160);
    EXPECT_EQ(controls[4].onWindow.top, 1130);
    EXPECT_EQ(controls[8].onWindow.top, 3290);
    EXPECT_EQ(controls[8].onWindow.width, 855);
    for (const std::size_t frame : {3u, 7u}) {
        const TwipsRect f = controls[frame].onWindow, list = controls[frame - 1].onWindow,
                        button = controls[frame + 1].onWindow;
        EXPECT_LE(button.left + button.width, f.left + f.width);
        EXPECT_LE(list.top + list.height, f.top + f.height);
        EXPECT_LE(button.top + button.height, list.top);
    }
    for (const int dpi : {96, 120, 144, 192}) {
        for (const std::size_t label : {0u, 1u}) {
            const PixelRect rect = ToPixels(controls[label].onWindow, dpi);
            EXPECT_LE(rect.top + rect.height, ScaleFrom96(kBannerHeight, dpi)) << "clock on the banner at " << dpi;
            EXPECT_LE(rect.left + rect.width, ScaleFrom96(kBannerWidth, dpi)) << "clock on the banner at " << dpi;
        }
    }
}

TEST(MainLayout, FontSizesAndCaption) {
    EXPECT_EQ(FontHeight(ControlFont::Clock, 96), -29);   // 21.75 pt
    EXPECT_EQ(FontHeight(ControlFont::Button, 96), -14);  // 10.5 pt
    EXPECT_EQ(FontHeight(ControlFont::Clock, 144), -44);
    EXPECT_EQ(FontHeight(ControlFont::List, 192), -32);
    EXPECT_EQ(FontHeight(ControlFont::Default, 144), 0);
    const std::wstring caption = kMainCaption, head = L"岚舟定时关机 1.6  ";
    ASSERT_GT(caption.size(), head.size());
    EXPECT_EQ(caption.compare(0, head.size(), head), 0);
    EXPECT_NE(caption[head.size()], L' ');
}

}  // namespace
