#include "yearimages/picture_places.h"

#include <gtest/gtest.h>

namespace velocarta {
namespace {

TEST(PicturePlaces, OverThePhotoOnBothLayouts) {
    struct Case {
        const char* layoutName;
        MainLayout layout;
        Rect emblem, script, clipArt;
    };
    // The photo is 784 by 412 at (8, 70) with the year buttons at 486 as designed; 620 by
    // 356 with the buttons at 416 on other screens.
    const Case cases[] = {
        {"design", DesignLayout(), {691, 393, 102, 92}, {9, 95, 222, 62}, {648, 70, 142, 102}},
        {"other screens",
         RelayoutForOtherScreen(DesignLayout()),
         {527, 323, 102, 92},
         {9, 95, 222, 62},
         {484, 70, 142, 102}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EmblemPlace(c.layout, 102, 92), c.emblem) << c.layoutName;
        EXPECT_EQ(ScriptPlace(c.layout, 222, 62), c.script) << c.layoutName;
        EXPECT_EQ(ClipArtPlace(c.layout, 142, 102), c.clipArt) << c.layoutName;
    }
}

TEST(PicturePlaces, TheEmblemSitsJustAboveTheYearButtons) {
    const MainLayout layout = DesignLayout();
    for (const int height : {1, 92, 142}) {
        const Rect emblem = EmblemPlace(layout, 50, height);
        EXPECT_EQ(emblem.bottom() + 1, layout.frame1.top) << height;
    }
}

TEST(HasYearPictures, ModelYearsAndTheTopicsOfTheTablesButNotTheArtPrints) {
    for (const char* caption : {"1964", "1985", "2000", "1965 ", "The Classic Dorran ",
                                "Early Vantrel Prototypes ", "Vantrel Kite I "}) {
        EXPECT_TRUE(HasYearPictures(caption)) << caption;
    }
    for (const char* caption : {"Lorin Vasse Art Print ", "National Vantrel Museum Print ",
                                "Edric Tamm Art Print ", "1963", "2001", "", "panYear"}) {
        EXPECT_FALSE(HasYearPictures(caption)) << caption;
    }
}

}  // namespace
}  // namespace velocarta
