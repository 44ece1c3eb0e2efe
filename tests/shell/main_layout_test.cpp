#include "shell/main_layout.h"

#include <gtest/gtest.h>

namespace velocarta {
namespace {

TEST(DesignLayout, YearButtonsAsDesigned) {
    const MainLayout layout = DesignLayout();
    struct Case {
        int index;
        Rect rect;
    };
    const Case cases[] = {
        {1, {120, 0, 855, 375}},     {2, {960, 0, 615, 375}},      {8, {4560, 0, 615, 375}},
        {9, {5160, 0, 630, 375}},    {15, {8760, 0, 630, 375}},    {16, {9360, 0, 615, 375}},
        {19, {11160, 0, 615, 375}},  {20, {120, 360, 855, 375}},   {21, {960, 360, 615, 375}},
        {36, {9960, 360, 615, 375}}, {37, {10560, 360, 615, 375}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layout.yearButtons[c.index], c.rect) << c.index;
    }
}

TEST(RelayoutForOtherScreen, TheNumbersForScreensOtherThan800By600) {
    const MainLayout design = DesignLayout();
    const MainLayout layout = RelayoutForOtherScreen(design);

    EXPECT_EQ(layout.image4.width, 620);
    EXPECT_EQ(layout.image4.height, 356);
    EXPECT_EQ(layout.image4.left, design.image4.left);
    EXPECT_EQ(layout.frame1.top, layout.image4.top + 356 - 10);

    EXPECT_EQ(layout.yearButtons[1].width, 630);
    EXPECT_EQ(layout.yearButtons[1].left, 120);
    EXPECT_EQ(layout.yearButtons[20].width, 630);
    for (int i = 2; i <= 19; ++i) {
        EXPECT_EQ(layout.yearButtons[i].left, i * 480 - 220) << i;
        EXPECT_EQ(layout.yearButtons[i].width, 480) << i;
        EXPECT_EQ(layout.yearButtons[i].top, 0) << i;
    }
    for (int i = 21; i <= 37; ++i) {
        EXPECT_EQ(layout.yearButtons[i].left, (i - 19) * 480 - 220) << i;
        EXPECT_EQ(layout.yearButtons[i].width, 480) << i;
        EXPECT_EQ(layout.yearButtons[i].top, 360) << i;
    }
    EXPECT_EQ(layout.exit.left, 19 * 480 - 220);
    EXPECT_EQ(layout.exit.width, 480);
    EXPECT_EQ(layout.exit.top, design.exit.top);

    EXPECT_EQ(layout.desc.width, design.desc.width - 7);
    EXPECT_EQ(layout.desc.left, design.desc.left - 4);
    const Rect MainLayout::*const row[] = {
        &MainLayout::desc,    &MainLayout::options, &MainLayout::stats,
        &MainLayout::colors,  &MainLayout::script,  &MainLayout::emblem,
        &MainLayout::clipArt, &MainLayout::ad,      &MainLayout::nostalgia};
    const int narrower[] = {7, 24, 24, 24, 24, 24, 24, 10, 20};
    for (std::size_t i = 0; i < std::size(row); ++i) {
        EXPECT_EQ((layout.*row[i]).width, (design.*row[i]).width - narrower[i]) << i;
        EXPECT_EQ((layout.*row[i]).top, (design.*row[i]).top) << i;
        if (i > 0) {
            EXPECT_EQ((layout.*row[i]).left, (layout.*row[i - 1]).right()) << i;
        }
    }
}

TEST(DetailsBoxPlace, RightEdgeTenPixelsInsideTheAdvertisementButton) {
    for (const MainLayout& layout : {DesignLayout(), RelayoutForOtherScreen(DesignLayout())}) {
        const Rect box = DetailsBoxPlace(layout);
        EXPECT_EQ(box.width, 329);
        EXPECT_EQ(box.height, 106);
        EXPECT_EQ(box.right(), layout.ad.right() - 10);
        EXPECT_EQ(box.top, layout.image4.top + 9);
        // The box lies over the photo.
        EXPECT_GE(box.left, layout.image4.left);
        EXPECT_LE(box.right(), layout.image4.right());
    }
}

}  // namespace
}  // namespace velocarta
