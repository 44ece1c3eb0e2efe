#include <gtest/gtest.h>

#include "slideshow/slide_layout.h"

namespace velocarta {
namespace {

constexpr int kSmallScreenWidth = 640 * 15;

class FixedScreen final : public Screen {
  public:
    FixedScreen(int width, int height, int twips) : width_(width), height_(height), twips_(twips) {}
    int widthPixels() const override { return width_; }
    int heightPixels() const override { return height_; }
    int twipsPerPixelX() const override { return twips_; }
    int twipsPerPixelY() const override { return twips_; }
    void setPointer(Pointer) override {}
    Pointer pointer() const override { return Pointer::Default; }

  private:
    int width_, height_, twips_;
};

TEST(SlideLayout, SmallScreenArithmeticOverAnyDesignedRectangles) {
    SlideLayout design;
    design.image1 = {100, 100, 10000, 7000};
    design.panYear = {100, 7000, 2000, 300};
    design.ssCommand1 = {4000, 7000, 1600, 300};
    design.ssCommand2 = {5600, 7000, 1600, 300};
    design.mmSlide = {4000, 7400, 3000, 380};
    design.panInterval = {9000, 7000, 1200, 300};
    design.spinInterval = {8700, 7000, 300, 415};
    design.pnlCoStar = {50, 8000, 4000, 300};
    design.statusDate = {4050, 8000, 1700, 300};
    design.statusDay = {5750, 8000, 1700, 300};
    design.statusTime = {7450, 8000, 1700, 300};
    design.cmdExit = {9150, 8000, 1500, 300};

    const SlideLayout small = SmallScreenSlideLayout(design, kSmallScreenWidth);
    EXPECT_EQ(small.image1, (Rect{100, 100, 7950, 5460}));
    EXPECT_EQ(small.panYear, (Rect{100, 5900, 2000, 300}));
    EXPECT_EQ(small.ssCommand1, (Rect{3600, 5900, 1377, 300}));
    EXPECT_EQ(small.ssCommand2, (Rect{4977, 5900, 1377, 300}));
    EXPECT_EQ(small.mmSlide, (Rect{3600, 6140, 2736, 380}));
    // 140 twips in from the screen's right edge, the spin right before it at 0.6 height.
    EXPECT_EQ(small.panInterval, (Rect{8260, 5900, 1200, 300}));
    EXPECT_EQ(small.spinInterval, (Rect{7960, 5900, 300, 249}));
    EXPECT_EQ(small.pnlCoStar, (Rect{50, 6500, 3500, 300}));
    EXPECT_EQ(small.statusDate, (Rect{3550, 6500, 1500, 300}));
    EXPECT_EQ(small.statusDay, (Rect{5050, 6500, 1500, 300}));
    EXPECT_EQ(small.statusTime, (Rect{6550, 6500, 1500, 300}));
    EXPECT_EQ(small.cmdExit, (Rect{8050, 6500, 1400, 300}));
}

TEST(SlideLayout, ScaledSizesRoundHalvesToEven) {
    SlideLayout design;
    // 100 x 0.795 = 79.5 and 300 x 0.795 = 238.5; 25 x 0.78 = 19.5 and 75 x 0.78 = 58.5.
    design.image1 = {0, 0, 100, 25};
    EXPECT_EQ(SmallScreenSlideLayout(design, kSmallScreenWidth).image1.width, 80);
    EXPECT_EQ(SmallScreenSlideLayout(design, kSmallScreenWidth).image1.height, 20);
    design.image1 = {0, 0, 300, 75};
    EXPECT_EQ(SmallScreenSlideLayout(design, kSmallScreenWidth).image1.width, 238);
    EXPECT_EQ(SmallScreenSlideLayout(design, kSmallScreenWidth).image1.height, 58);
}

// Two controls overlap when their rectangles share an area.
bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(SlideLayout, TheDesignedLayoutFitsBothScreensWithoutOverlaps) {
    const struct {
        SlideLayout layout;
        int width;
        int height;
    } screens[] = {
        {SlideDesignLayout(), 800 * 15, 600 * 15},
        {SmallScreenSlideLayout(SlideDesignLayout(), kSmallScreenWidth), 640 * 15, 480 * 15}};
    for (const auto& screen : screens) {
        const SlideLayout& l = screen.layout;
        const Rect all[] = {l.image1,     l.panYear,     l.ssCommand1,   l.ssCommand2,
                            l.mmSlide,    l.panInterval, l.spinInterval, l.pnlCoStar,
                            l.statusDate, l.statusDay,   l.statusTime,   l.cmdExit};
        for (std::size_t i = 0; i < std::size(all); ++i) {
            // Inside the window's client area (borders and caption bar take about 30
            // pixels of the height and 8 of the width).
            EXPECT_GE(all[i].left, 0) << i;
            EXPECT_LE(all[i].right(), screen.width - 8 * 15) << i;
            EXPECT_LE(all[i].bottom(), screen.height - 30 * 15) << i;
            for (std::size_t j = i + 1; j < std::size(all); ++j) {
                EXPECT_FALSE(Overlap(all[i], all[j])) << screen.width << ": " << i << " " << j;
            }
        }
    }
}

TEST(SlideLayout, OnlyExactly640By480AtFifteenTwipsIsSmall) {
    const SlideLayout small = SmallScreenSlideLayout(SlideDesignLayout(), kSmallScreenWidth);
    EXPECT_EQ(SlideLayoutFor(FixedScreen(640, 480, 15)), small);
    EXPECT_EQ(SlideLayoutFor(FixedScreen(640, 480, 12)), SlideDesignLayout());
    EXPECT_EQ(SlideLayoutFor(FixedScreen(800, 600, 15)), SlideDesignLayout());
    EXPECT_EQ(SlideLayoutFor(FixedScreen(1024, 768, 15)), SlideDesignLayout());
}

}  // namespace
}  // namespace velocarta
