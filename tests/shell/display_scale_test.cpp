#include "shell/display_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velocarta {
namespace {

TEST(ParseScale, FitOrAFactorFromHalfToEight) {
    const ScaleChoice fitted{};
    EXPECT_EQ(ParseScale("fit"), fitted);
    EXPECT_EQ(ParseScale("  fit\r\n"), fitted);
    struct Case {
        const char* text;
        double factor;
    };
    for (const Case& c : {Case{"2", 2.0}, Case{"1.5", 1.5}, Case{" 0.5 ", 0.5}, Case{"8", 8.0},
                          Case{"1.25", 1.25}, Case{"1", 1.0}}) {
        const auto choice = ParseScale(c.text);
        ASSERT_TRUE(choice) << c.text;
        EXPECT_FALSE(choice->fitted) << c.text;
        EXPECT_EQ(choice->factor, c.factor) << c.text;
    }
}

TEST(ParseScale, RejectsEverythingElse) {
    for (const char* text : {"", " ", "Fit", "fitted", "0.49", "8.01", "0", "-2", "2x", "1,5",
                             "1e0", "nan", "inf", "2 2", "+2", "two"}) {
        EXPECT_FALSE(ParseScale(text)) << '"' << text << '"';
    }
}

TEST(SurfaceSize, WhatTheLayoutsPlace) {
    // The design: the year buttons and the photo reach to pixel 791, the frame of the year
    // buttons ends at 537.
    EXPECT_EQ(SurfaceSize(DesignLayout()), (Size{800, 542}));
    // Other screens: the photo reaches to pixel 627, the frame of the year buttons to 467.
    EXPECT_EQ(SurfaceSize(RelayoutForOtherScreen(DesignLayout())), (Size{636, 472}));
    EXPECT_EQ(DesignedArea(), (Size{636, 472 + 24}));
}

TEST(FittedScale, ScreensNoLargerThanTheDesignKeepItsSize) {
    for (const Size screen :
         {Size{800, 600}, Size{640, 480}, Size{800, 1200}, Size{1600, 600}, Size{320, 200}}) {
        EXPECT_EQ(FittedScale(screen, screen), 1.0) << screen.width << "x" << screen.height;
    }
    // A screen larger than the design that the designed area does not fit keeps it too.
    EXPECT_EQ(FittedScale({1000, 640}, {1000, 500}), 1.0);
    EXPECT_EQ(FittedScale({1920, 1080}, {1920, 1080}, {0, 0}), 1.0);
}

TEST(FittedScale, FillsCommonScreensInSteps) {
    struct Case {
        Size screen;
        Size available;
        double factor;
    };
    const Case cases[] = {
        {{1024, 768}, {1024, 768}, 1.45},   {{1280, 1024}, {1280, 1024}, 1.9},
        {{1366, 768}, {1366, 768}, 1.45},   {{1920, 1080}, {1920, 1080}, 2.05},
        {{1920, 1080}, {1920, 1040}, 1.95}, {{1920, 1200}, {1920, 1200}, 2.25},
        {{2560, 1440}, {2560, 1440}, 2.75}, {{3840, 2160}, {3840, 2160}, 4.1},
        {{1080, 1920}, {1080, 1920}, 1.6},  {{5120, 1440}, {5120, 1440}, 2.75},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(FittedScale(c.screen, c.available), c.factor)
            << c.screen.width << "x" << c.screen.height;
    }
}

// On every screen larger than the design, the designed area scaled by the fitted factor
// fits into the available area with room for a title bar, and the controls fill at least
// 85% of the available height or width, whichever limits.
TEST(FittedScale, FitsAndFillsEveryLargerScreen) {
    const Size area = DesignedArea();
    const Size surface = SurfaceSize(RelayoutForOtherScreen(DesignLayout()));
    for (int width = 801; width <= 7680; width += 37) {
        for (int height = 601; height <= 4320; height += 29) {
            for (const int panel : {0, 32, 48}) {
                const Size available{width, height - panel};
                const double factor = FittedScale({width, height}, available);
                const std::string where = std::to_string(width) + "x" + std::to_string(height) +
                                          " panel " + std::to_string(panel);
                if (factor == 1.0) {
                    // Only where the next step, 1.05, would not fit.
                    ASSERT_GT(std::max(area.width * 1.05 / (0.95 * available.width),
                                       area.height * 1.05 / (0.95 * available.height)),
                              1.0)
                        << where;
                    continue;
                }
                ASSERT_LE(area.width * factor, available.width * 0.95 + 1e-9) << where;
                ASSERT_LE(area.height * factor, available.height * 0.95 + 1e-9) << where;
                const double fill = std::max(surface.width * factor / available.width,
                                             surface.height * factor / available.height);
                ASSERT_GE(fill, 0.85) << where;
                EXPECT_EQ(std::round(factor * 20), factor * 20) << where;
            }
        }
    }
}

TEST(ScaleFor, TheUsersFactorOrTheFittedOne) {
    EXPECT_EQ(ScaleFor({false, 1.5}, {1920, 1080}, {1920, 1080}), 1.5);
    EXPECT_EQ(ScaleFor({false, 0.5}, {800, 600}, {800, 600}), 0.5);
    EXPECT_EQ(ScaleFor({}, {1920, 1080}, {1920, 1080}), 2.05);
}

TEST(ScaleText, AtMostFourDecimals) {
    EXPECT_EQ(ScaleText(2.0), "2");
    EXPECT_EQ(ScaleText(2.05), "2.05");
    EXPECT_EQ(ScaleText(1.5 * 1.35), "2.025");
    EXPECT_EQ(ScaleText(0.5), "0.5");
    EXPECT_EQ(ScaleText(1.23456), "1.2346");
}

}  // namespace
}  // namespace velocarta
