#include <gtest/gtest.h>

#include "slideshow/hand_back.h"

namespace velocarta {
namespace {

// One photo of each kind of caption, with the photo number 2 where the code has two.
PhotoCatalogue Catalogue() {
    return PhotoCatalogue::FromNames(
        "/cd", {"64A.JPG", "64B.JPG", "85A.JPG", "99A.JPG", "A0A.JPG", "A0B.JPG", "DR1.JPG",
                "GB1.JPG", "K3A.JPG", "PT1.JPG", "TE1.JPG", "VC1.JPG", "VC2.JPG"});
}

HandBack Decide(int photo, std::string_view showCaption, std::string_view main = "1970") {
    return DecideHandBack(Catalogue(), {photo, false, photo, showCaption, main});
}

TEST(HandBack, EachKindOfCaptionSetsTheMainWindowsButtons) {
    struct Case {
        const char* kind;
        int photo;
        const char* caption;
        const char* stats;
        bool enableDesc;
        bool disableYearButtons;
        int focus;
        int yearButtonIndex;
        const char* yearCode;
    };
    const Case cases[] = {
        {"model year", 3, "1985 ", "Engines", false, false, 23, 22, "85"},
        {"model year", 4, "1999 ", "Engines", false, false, 37, 36, "99"},
        {"1964 with the blank", 2, "1964 ", "Engines", false, false, 2, 1, "64"},
        {"Beginning's 1964", 1, "1964", "Engines", false, false, 2, 1, "64"},
        {"2000", 6, "2000", "Engines", false, false, 1, 0, "A0"},
        {"Dorran edition", 7, "The Classic Dorran ", "Engines", false, false, 1, 0, "DR"},
        {"edition", 10, "Early Vantrel Prototypes ", "Details", false, true, 1, 0, "PT"},
        {"edition with text", 9, "Vantrel Kite III ", "Details", true, true, 1, 0, "K3"},
        {"merchandise", 13, "Vantrel Cookies ", "Details", false, true, 1, 0, "VC"},
        {"merchandise with text", 11, "Franklin Mint Collector Knives ", "Details", true, true, 1,
         0, "TE"},
        {"art print", 8, "Lorin Vasse Art Print ", "Details", false, true, 1, 0, "GB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const HandBack handBack = Decide(c.photo, c.caption);
        ASSERT_EQ(handBack.kind, HandBack::Kind::Photo);
        EXPECT_EQ(handBack.yearCaption, c.caption);
        EXPECT_EQ(handBack.statsCaption, c.stats);
        EXPECT_EQ(handBack.enableDesc, c.enableDesc);
        EXPECT_EQ(handBack.disableYearButtons, c.disableYearButtons);
        EXPECT_EQ(handBack.focusButton, c.focus);
        EXPECT_EQ(handBack.yearButtonIndex, c.yearButtonIndex);
        EXPECT_EQ(handBack.yearCode, c.yearCode);
        EXPECT_TRUE(handBack.clearSlideShowActive);
    }
}

TEST(HandBack, ThePhotoItsTextsAndTheFinalPhotoIndex) {
    const HandBack handBack = Decide(13, "Vantrel Cookies ");
    EXPECT_EQ(handBack.photo, 13);
    EXPECT_EQ(handBack.currentPhotoPath, "/cd/vantrels/VC2.JPG");
    EXPECT_EQ(handBack.fileName, "VC2.JPG");
    EXPECT_EQ(handBack.photoNumber, "2");
    EXPECT_EQ(handBack.photoIndex, 12);

    // The main window's steps continue as after a backward step onto the photo.
    StepState before;
    before.photoIndex = 3;
    before.lastPhotoIndex = 3;
    before.firstPhotoOnShow = true;
    before.steppedForward = true;
    const StepState after = handBack.stepsAfter(before);
    EXPECT_EQ(after.photoIndex, 12);
    EXPECT_EQ(after.lastPhotoIndex, 13);
    EXPECT_FALSE(after.firstPhotoOnShow);
    EXPECT_FALSE(after.steppedForward);
    EXPECT_TRUE(after.steppedBack);
}

TEST(HandBack, NothingChosenOrNoPhotoOnlyRefreshesTheMainWindow) {
    const HandBack nothingChosen = Decide(5, "2000", "panYear");
    EXPECT_EQ(nothingChosen.kind, HandBack::Kind::RefreshOnly);
    EXPECT_EQ(nothingChosen.photoIndex, 5);
    EXPECT_FALSE(nothingChosen.clearSlideShowActive);
    StepState before;
    before.photoIndex = 2;
    before.lastPhotoIndex = 2;
    before.steppedForward = true;
    StepState expected = before;
    expected.photoIndex = 5;
    EXPECT_EQ(nothingChosen.stepsAfter(before), expected);

    const PhotoCatalogue empty = PhotoCatalogue::FromNames("/cd", {});
    const HandBack noPhoto = DecideHandBack(empty, {0, false, 0, "", "1965"});
    EXPECT_EQ(noPhoto.kind, HandBack::Kind::RefreshOnly);
    EXPECT_EQ(noPhoto.photoIndex, 0);
}

TEST(HandBack, WhichPhotoIsHandedOver) {
    struct Case {
        int photoIndex;
        bool playing;
        int onScreen;
        int handed;
    };
    const Case cases[] = {
        {12, false, 12, 12}, {0, false, 0, 1},    {13, true, 12, 12},   {14, true, 0, 13},
        {1, true, 0, 1},     {1, true, 345, 345}, {345, false, 0, 345}, {346, true, 0, 345},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PhotoToHandBack({c.photoIndex, c.playing, c.onScreen, "", ""}, 345), c.handed)
            << c.photoIndex << " " << c.playing << " " << c.onScreen;
    }
    EXPECT_EQ(PhotoToHandBack({3, false, 3, "", ""}, 0), 0);
}

TEST(HandBack, AShowWithoutACaptionTakesThePhotosOwn) {
    EXPECT_EQ(Decide(3, "").yearCaption, "1985 ");
}

TEST(SlideClose, AskedOnlyWhileTheShowIsNotActive) {
    EXPECT_FALSE(SlideCloseQuestion(true).has_value());
    const std::optional<Message> question = SlideCloseQuestion(false);
    ASSERT_TRUE(question.has_value());
    EXPECT_EQ(question->text, "Exit The Vantrel Velocarta?");
    EXPECT_EQ(question->title, "The Vantrel Velocarta");
    EXPECT_EQ(question->buttons, Buttons::OkCancel);
    EXPECT_EQ(question->icon, Icon::Question);
    EXPECT_TRUE(SlideCloseConfirmed(Answer::Ok));
    EXPECT_FALSE(SlideCloseConfirmed(Answer::Cancel));
}

}  // namespace
}  // namespace velocarta
