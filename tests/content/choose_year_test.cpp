#include "content/choose_year.h"

#include <gtest/gtest.h>

namespace velocarta {
namespace {

constexpr Switch On = Switch::On;
constexpr Switch Off = Switch::Off;
constexpr Switch Keep = Switch::Keep;

TEST(DecideTopicButtons, ButtonsPerCaption) {
    struct Case {
        const char* caption;
        TopicButtonStates buttons;  // desc stats options colors script emblem ad nostalgia clip
        bool hidePictures;
        bool hideClipArt;
    };
    const Case cases[] = {
        {"1964", {On, On, On, On, On, On, On, On, On}, false, false},
        {"2000", {On, On, On, On, On, On, On, On, On}, false, false},
        {"1964 ", {On, On, On, On, On, On, On, On, On}, false, false},
        {"Early Vantrel Prototypes ", {Off, On, Off, Off, Off, Off, Off, Off, Off}, false, false},
        {"Vantrel Kite I ", {Off, On, Off, Off, Off, Off, Off, Off, Off}, true, false},
        {"Vantrel Cookies ", {Off, Off, Off, Off, Off, Off, Off, Off, Off}, true, false},
        {"Vantrel Metal Signs ", {On, On, Off, Off, Off, Off, Off, Off, Off}, true, false},
        {"Vantrel Super Stravon ", {On, On, Off, Off, Off, Off, Off, Off, Off}, true, false},
        {"Vantrel Kite III ", {On, On, Off, Off, Off, Off, Off, Off, Off}, true, false},
        {"Franklin Mint Die Cast Models ",
         {On, On, Off, Off, Off, Off, Off, Off, Off},
         true,
         false},
        {"Danbury Mint Die Cast Models ", {On, On, Off, Off, Off, Off, Off, Off, Off}, true, false},
        {"Vantrel Postage Stamps ", {On, Off, Off, Off, Off, Off, Off, Off, Off}, true, false},
        {"The Vantrel Monopoly Game ", {On, Off, Off, Off, Off, Off, Off, Off, Off}, true, false},
        {"Franklin Mint Collector Knives ",
         {On, Off, Off, Off, Off, Off, Off, Off, Off},
         true,
         false},
        {"The Classic Dorran ", {Off, Off, On, On, On, On, On, Off, Off}, false, true},
        {"Lorin Vasse Art Print ", {On, On, On, On, On, On, On, On, On}, false, false},
    };
    for (const auto& c : cases) {
        const TopicButtonsDecision decision = DecideTopicButtons(c.caption);
        EXPECT_FALSE(decision.nothingChosen);
        EXPECT_TRUE(decision.showPhotoControls);
        EXPECT_TRUE(decision.enableYearButtons);
        EXPECT_EQ(decision.buttons, c.buttons) << '"' << c.caption << '"';
        EXPECT_EQ(decision.hidePictureBoxes, c.hidePictures) << c.caption;
        EXPECT_EQ(decision.hideClipArt, c.hideClipArt) << c.caption;
        // Boxes that stay are filled again for the new caption; hidden ones are not.
        EXPECT_EQ(decision.reloadOpenPictures, !c.hidePictures) << c.caption;
    }
}

TEST(DecideTopicButtons, NothingChosenOnlyEnablesDescription) {
    const TopicButtonsDecision decision = DecideTopicButtons("panYear");
    EXPECT_TRUE(decision.nothingChosen);
    EXPECT_FALSE(decision.showPhotoControls);
    EXPECT_FALSE(decision.enableYearButtons);
    EXPECT_FALSE(decision.reloadOpenPictures);
    EXPECT_EQ(decision.buttons,
              (TopicButtonStates{On, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep}));
}

PhotoCatalogue SampleCatalogue() {
    return PhotoCatalogue::FromNames(
        "/cd", {"64A.JPG", "64B.JPG", "65A.JPG", "A0A.JPG", "DRA.JPG", "PT002.JPG", "K1002.JPG"});
}

TEST(DecideChooseYear, CodeStatsCaptionAndFirstPhoto) {
    struct Case {
        const char* caption;
        const char* yearCode;
        const char* pictureCode;
        const char* stats;
        int photoIndex;
        bool found;
    };
    const Case cases[] = {
        {"1964", "64", "64", "Engines", 1, true},
        {"1965", "65", "65", "Engines", 3, true},
        {"1964 ", "64", "64", "Engines", 1, true},
        {"2000", "A0", "00", "Engines", 4, true},
        {"The Classic Dorran ", "DR", "e ", "Details", 5, true},
        {"Early Vantrel Prototypes ", "PT", "rl", "Details", 7, true},
        {"Vantrel Kite I ", "K1", "nt", "Details", 6, true},
        {"Vantrel Postage Stamps ", "ZZ", "nt", "Details", 8, false},
        {"Danbury Mint Die Cast Models ", "TD", "nb", "Details", 8, false},
        {"Franklin Mint Collector Knives ", "TE", "an", "Engines", 8, false},
        {"1970", "70", "70", "Engines", 8, false},
    };
    const PhotoCatalogue catalogue = SampleCatalogue();
    for (const auto& c : cases) {
        const ChooseYearDecision decision = DecideChooseYear(c.caption, catalogue);
        EXPECT_EQ(decision.yearCode, c.yearCode) << c.caption;
        EXPECT_EQ(decision.pictureCode, c.pictureCode) << c.caption;
        EXPECT_EQ(decision.statsCaption, c.stats) << c.caption;
        EXPECT_EQ(decision.photoIndex, c.photoIndex) << c.caption;
        EXPECT_EQ(decision.photoFound, c.found) << c.caption;
    }
}

TEST(DecideChooseYear, EmptyCatalogueFindsNothing) {
    const ChooseYearDecision decision = DecideChooseYear("1964", PhotoCatalogue());
    EXPECT_FALSE(decision.photoFound);
    EXPECT_EQ(decision.photoIndex, 1);
}

}  // namespace
}  // namespace velocarta
