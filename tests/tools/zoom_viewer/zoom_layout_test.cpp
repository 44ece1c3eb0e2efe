#include "tools/zoom_viewer/zoom_layout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace velocarta {

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << '{' << rect.left << ',' << rect.top << ',' << rect.width << ',' << rect.height
               << '}';
}

std::ostream& operator<<(std::ostream& out, const ZoomScrollBar& bar) {
    return out << "{max " << bar.maximum << (bar.enabled ? " on" : " off") << " ratio " << bar.ratio
               << " step " << bar.largeStep << '}';
}

namespace {

TEST(ZoomScrollBar, RangeRatioAndLargeStep) {
    struct Case {
        const char* what;
        int picture;
        int viewport;
        ZoomScrollBar bar;
    };
    const Case cases[] = {
        {"no larger than the viewport", 500, 783, {0, false, 0, 0}},
        {"exactly the viewport", 783, 783, {0, false, 0, 0}},
        {"one pixel", 1, 583, {0, false, 0, 0}},
        {"3.5 times the viewport: ratio 3, an eighteenth of the maximum",
         2100,
         600,
         {1500, true, 3, 83}},
        {"a little larger: the step of 0 becomes 1", 605, 600, {5, true, 1, 1}},
        {"twice and a bit", 1300, 600, {700, true, 2, 58}},
        {"4000 wide across 783", 4000, 783, {3217, true, 5, 107}},
        {"6000 high across 583", 6000, 583, {5417, true, 10, 90}},
        {"the portrait year 1985 across 783", 1232, 783, {449, true, 1, 74}},
        {"the portrait year 1985 down 583", 1600, 583, {1017, true, 2, 84}},
        {"the landscape year 1986 across 783", 1628, 783, {845, true, 2, 70}},
        {"no viewport at all", 400, 0, {0, false, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoomScrollBarFor(c.picture, c.viewport), c.bar) << c.what;
    }
}

TEST(ZoomScrollBar, ThreeAndAHalfTimesTheViewportGivesAnEighteenthOfTheMaximum) {
    for (const int viewport : {200, 600, 783, 1006, 1904}) {
        const ZoomScrollBar bar = ZoomScrollBarFor(viewport * 7 / 2, viewport);
        EXPECT_EQ(bar.ratio, 3) << viewport;
        EXPECT_EQ(bar.largeStep, bar.maximum / 18) << viewport;
    }
}

TEST(LayOutZoomViewer, ViewportBarsAndTheCloseButtonInTheCorner) {
    struct Case {
        int width, height;
        Rect picParent, hScroll, vScroll, closeButton;
    };
    const Case cases[] = {
        {800, 600, {0, 0, 783, 583}, {0, 583, 783, 17}, {783, 0, 17, 583}, {783, 583, 17, 17}},
        {1024, 768, {0, 0, 1007, 751}, {0, 751, 1007, 17}, {1007, 0, 17, 751}, {1007, 751, 17, 17}},
        // A window smaller than its bars keeps an empty viewport, never a negative one.
        {10, 10, {0, 0, 0, 0}, {0, 0, 0, 17}, {0, 0, 17, 0}, {0, 0, 17, 17}},
    };
    for (const Case& c : cases) {
        const ZoomLayout layout = LayOutZoomViewer(c.width, c.height, 17, 17, 1232, 1600);
        EXPECT_EQ(layout.picParent, c.picParent) << c.width;
        EXPECT_EQ(layout.hScroll, c.hScroll) << c.width;
        EXPECT_EQ(layout.vScroll, c.vScroll) << c.width;
        EXPECT_EQ(layout.closeButton, c.closeButton) << c.width;
        EXPECT_EQ(layout.horizontal, ZoomScrollBarFor(1232, c.picParent.width)) << c.width;
        EXPECT_EQ(layout.vertical, ZoomScrollBarFor(1600, c.picParent.height)) << c.width;
    }
    // Bars of another thickness leave that much less viewport.
    const ZoomLayout thick = LayOutZoomViewer(800, 600, 20, 24, 4000, 6000);
    EXPECT_EQ(thick.picParent, (Rect{0, 0, 780, 576}));
    EXPECT_EQ(thick.closeButton, (Rect{780, 576, 20, 24}));
    EXPECT_EQ(thick.horizontal, (ZoomScrollBar{3220, true, 5, 107}));
    EXPECT_EQ(thick.vertical, (ZoomScrollBar{5424, true, 10, 90}));
}

TEST(FittedView, PortraitYearsAreNarrowAndCentredLandscapeYearsFillTheWidth) {
    struct Case {
        const char* caption;
        int width, height;
        Rect view;
    };
    const Case cases[] = {
        {"1985", 800, 600, {169, 0, 462, 600}},
        {"1986", 800, 600, {0, 0, 800, 600}},
        {"1985", 1024, 768, {216, 0, 591, 768}},
        {"1986", 1024, 768, {0, 0, 1024, 768}},
        {"1964", 1920, 1080, {544, 0, 832, 1080}},
        {"The Classic Dorran ", 800, 600, {169, 0, 462, 600}},
        // The slide show's captions end in a blank; only the year panel's compare.
        {"1986 ", 800, 600, {169, 0, 462, 600}},
        // A screen on its side: the portrait view narrows to the width and keeps its shape.
        {"1985", 600, 800, {0, 10, 600, 779}},
        {"1986", 600, 800, {0, 0, 600, 800}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FittedView(c.width, c.height, c.caption), c.view)
            << c.caption << ' ' << c.width << 'x' << c.height;
    }
}

TEST(IsLandscapeAdvertisement, TheTenLandscapeYears) {
    for (int year = 1964; year <= 2000; ++year) {
        const bool landscape = year == 1979 || year == 1980 || year == 1986 || year == 1987 ||
                               year == 1990 || (year >= 1992 && year <= 1996);
        EXPECT_EQ(IsLandscapeAdvertisement(std::to_string(year)), landscape) << year;
    }
    EXPECT_FALSE(IsLandscapeAdvertisement("The Classic Dorran "));
    EXPECT_FALSE(IsLandscapeAdvertisement(""));
}

}  // namespace
}  // namespace velocarta
