#include "browser/year_selector.h"

#include <gtest/gtest.h>

namespace velocarta {
namespace {

TEST(PhotoClickCycle, RunsThroughYearsEditionsAndTopicsBackTo1964) {
    std::string caption = "panYear";
    int index = 0;
    std::vector<std::string> captions;
    std::vector<int> focus;
    for (int click = 0; click < 51; ++click) {
        const PhotoClickAdvance advance = DecidePhotoClick(caption, index);
        caption = advance.caption;
        index = advance.next;
        captions.push_back(caption);
        focus.push_back(advance.focusButton);
    }
    EXPECT_EQ(captions[0], "1964");
    EXPECT_EQ(focus[0], 2);
    EXPECT_EQ(captions[35], "1999");
    EXPECT_EQ(focus[35], 37);
    EXPECT_EQ(captions[36], "2000");
    EXPECT_EQ(focus[36], 1);
    const std::vector<std::string> topics(captions.begin() + 37, captions.begin() + 49);
    EXPECT_EQ(topics, (std::vector<std::string>{
                          "Early Vantrel Prototypes ", "Vantrel Kite I ", "Vantrel Kite III ",
                          "Vantrel Super Stravon ", "Danbury Mint Die Cast Models ",
                          "Franklin Mint Collector Knives ", "Franklin Mint Die Cast Models ",
                          "Vantrel Cookies ", "The Vantrel Monopoly Game ", "Vantrel Metal Signs ",
                          "Vantrel Postage Stamps ", "1964 "}));
    EXPECT_EQ(captions[49], "1965");
    EXPECT_EQ(focus[49], 3);
}

TEST(PhotoClickCycle, RowsByCaption) {
    struct Case {
        const char* caption;
        int index;
        const char* next;
        int nextIndex;
        ShowBy showBy;
        int focus;
    };
    const Case cases[] = {
        {"The Classic Dorran ", 0, "1964", 1, ShowBy::ChooseYear, 2},
        {"1964 ", 1, "1965", 2, ShowBy::ChooseYear, 3},
        {"Danbury Mint Die Cast Models ", 37, "Franklin Mint Collector Knives ", 37,
         ShowBy::ChooseYear, 1},
        {"Franklin Mint Collector Knives ", 37, "Franklin Mint Die Cast Models ", 37,
         ShowBy::ShowDetailsTopic, 1},
        {"The Vantrel Monopoly Game ", 37, "Vantrel Metal Signs ", 37, ShowBy::ShowDetailsTopic, 1},
        {"Vantrel Metal Signs ", 37, "Vantrel Postage Stamps ", 1, ShowBy::ChooseYear, 2},
        // A menu topic leaves the index at 0: the next click shows 1964.
        {"Vantrel Metal Signs", 0, "1964", 1, ShowBy::ChooseYear, 2},
        {"Lorin Vasse Art Print ", 0, "1964", 1, ShowBy::ChooseYear, 2},
        {"1998", 35, "1999", 36, ShowBy::ChooseYear, 37},
    };
    for (const auto& c : cases) {
        const PhotoClickAdvance advance = DecidePhotoClick(c.caption, c.index);
        EXPECT_EQ(advance.caption, c.next) << c.caption;
        EXPECT_EQ(advance.next, c.nextIndex) << c.caption;
        EXPECT_EQ(advance.showBy, c.showBy) << c.caption;
        EXPECT_EQ(advance.focusButton, c.focus) << c.caption;
    }
}

TEST(YearKeys, CommaPeriodAndSpaceBeforeTheFirstPick) {
    EXPECT_EQ(DecideYearKey(188, false), YearKeyAction::PreviousPhoto);
    EXPECT_EQ(DecideYearKey(190, true), YearKeyAction::NextPhoto);
    EXPECT_EQ(DecideYearKey(32, false), YearKeyAction::Pick);
    EXPECT_EQ(DecideYearKey(32, true), YearKeyAction::Nothing);
    EXPECT_EQ(DecideYearKey(65, false), YearKeyAction::Nothing);
    EXPECT_EQ(DecideYearKey(13, false), YearKeyAction::Nothing);
}

}  // namespace
}  // namespace velocarta
