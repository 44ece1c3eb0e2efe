// The rules the slide show window adds: where the show starts, the user's date separator,
// and the designed layout in a larger window.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "slideshow/clock_texts.h"
#include "slideshow/slide_layout.h"
#include "slideshow/slide_start.h"

namespace velocarta {
namespace {

TEST(SlideStart, ThePhotoTheMainWindowLastShowedUnlessItCannotBeShown) {
    struct Case {
        const char* what;
        int lastPhotoIndex;
        int onScreen;
        std::set<int> broken;
        int expected;
    };
    const Case cases[] = {
        {"the photo last shown", 12, 12, {}, 12},
        {"nothing shown yet", 0, 0, {}, 0},
        {"a year without photos", 346, 12, {}, 0},
        {"stepped back past a broken photo", 11, 12, {11}, 12},
        {"a year's first photo broken", 20, 20, {20}, 21},
        {"the photos after it broken too", 20, 20, {20, 21, 22}, 23},
        {"the last photo broken: wraps", 345, 345, {345}, 1},
        {"on screen broken as well", 11, 12, {11, 12}, 13},
        {"nothing can be shown", 3, 3, {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int> tried;
        const int start = SlideStartPhoto(c.lastPhotoIndex, c.onScreen, 345, [&](int k) {
            tried.push_back(k);
            return c.expected != -1 && c.broken.count(k) == 0;
        });
        EXPECT_EQ(start, c.expected == -1 ? 0 : c.expected);
        if (c.expected == -1) {
            // Every photo tried once, none twice.
            EXPECT_EQ(tried.size(), 345U);
            EXPECT_EQ(std::set<int>(tried.begin(), tried.end()).size(), 345U);
        }
    }
    EXPECT_EQ(SlideStartPhoto(1, 1, 0, [](int) { return true; }), 0);
}

TEST(SlideStart, ThePhotoOnScreenByItsPath) {
    const PhotoCatalogue photos = PhotoCatalogue::FromNames("/cd", {"65a.jpg", "64A.JPG"});
    EXPECT_EQ(PhotoEntryOfPath(photos, "/cd/vantrels/64A.JPG"), 1);
    EXPECT_EQ(PhotoEntryOfPath(photos, "/cd/vantrels/65A.JPG"), 2);
    EXPECT_EQ(PhotoEntryOfPath(photos, "/cd/vantrels/66A.JPG"), 0);
    EXPECT_EQ(PhotoEntryOfPath(photos, ""), 0);
    EXPECT_EQ(PhotoEntryOfPath(PhotoCatalogue::FromNames("/cd", {}), ""), 0);
}

TEST(ClockTexts, TheDateSeparatorOfTheUsersShortDateFormat) {
    const std::pair<const char*, const char*> cases[] = {
        {"M/d/yy", "/"},   {"dd.MM.yyyy", "."}, {"yyyy-MM-dd", "-"}, {"d. M. yyyy", "."},
        {"d M yyyy", "/"}, {"dd/MM/yyyy", "/"}, {"yyyy'年'M", "/"},  {"", "/"},
        {"ddMMyy", "/"},   {"d MMM yyyy", "/"},
    };
    for (const auto& [format, separator] : cases) {
        EXPECT_EQ(DateSeparatorOf(format), separator) << format;
    }
    CivilTime time;
    time.year = 2004;
    time.month = 3;
    time.day = 7;
    EXPECT_EQ(ClockDateText(time, DateSeparatorOf("dd.MM.yyyy")), "03.07.04");
}

TEST(SlideLayout, ALargerWindowGivesItsExtraRoomToThePhoto) {
    const SlideLayout design = SlideDesignLayout();
    // The designed controls take 11880 by 8400 twips with their margins.
    EXPECT_EQ(FitSlideLayout(design, 11880, 8400), design);
    EXPECT_EQ(FitSlideLayout(design, 9000, 6000), design);

    const SlideLayout large = FitSlideLayout(design, 1920 * 15, 1050 * 15);
    const int extraWidth = 1920 * 15 - 11880;
    const int extraHeight = 1050 * 15 - 8400;
    EXPECT_EQ(large.image1, (Rect{120, 120, 11640 + extraWidth, 7080 + extraHeight}));
    EXPECT_EQ(large.image1.right() + 120, 1920 * 15);
    EXPECT_EQ(large.cmdExit, (Rect{10080 + extraWidth / 2, 8040 + extraHeight, 1680, 240}));
    EXPECT_EQ(large.panYear.top, design.panYear.top + extraHeight);
    EXPECT_EQ(large.mmSlide.left, design.mmSlide.left + extraWidth / 2);
    // The rows keep their sizes and stay under the photo.
    EXPECT_EQ(large.statusDay.width, design.statusDay.width);
    EXPECT_GT(large.panYear.top, large.image1.bottom());
}

}  // namespace
}  // namespace velocarta
