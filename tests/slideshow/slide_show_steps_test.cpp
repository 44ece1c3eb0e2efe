#include <gtest/gtest.h>

#include "browser/year_selector.h"
#include "slide_show_fixture.h"

namespace velocarta {
namespace {

using testing::DesignCatalogue;
using testing::SevenPhotoCatalogue;
using testing::ShowRig;

enum class Act { Fwd, Bkwd, JumpFwd, JumpBkwd, Beginning, Middle, Comma, Period };

void Do(SlideShow& show, Act act) {
    switch (act) {
        case Act::Fwd:
            return show.forward();
        case Act::Bkwd:
            return show.backward();
        case Act::JumpFwd:
            return show.jumpForward();
        case Act::JumpBkwd:
            return show.jumpBackward();
        case Act::Beginning:
            return show.beginning();
        case Act::Middle:
            return show.middle();
        case Act::Comma:
            EXPECT_TRUE(show.key(kKeyComma));
            return;
        case Act::Period:
            EXPECT_TRUE(show.key(kKeyPeriod));
            return;
    }
}

struct StepCase {
    bool design;  // the 345 photos, else the seven
    int start;
    Act act;
    int expected;
};

TEST(SlideShowSteps, EveryRuleLandsWhereItShould) {
    const StepCase cases[] = {
        // Fwd and Bkwd wrap at both ends.
        {true, 12, Act::Fwd, 13},
        {true, 345, Act::Fwd, 1},
        {true, 0, Act::Fwd, 1},
        {true, 12, Act::Bkwd, 11},
        {true, 1, Act::Bkwd, 345},
        {true, 0, Act::Bkwd, 345},
        // Jump Fwd compares with PhotoCount - 1: it never lands on the last photo.
        {true, 334, Act::JumpFwd, 344},
        {true, 335, Act::JumpFwd, 1},
        {true, 336, Act::JumpFwd, 1},
        {true, 0, Act::JumpFwd, 10},
        // Jump Bkwd can land on photo 1; below it goes to the last photo.
        {true, 11, Act::JumpBkwd, 1},
        {true, 10, Act::JumpBkwd, 345},
        {true, 0, Act::JumpBkwd, 345},
        {true, 345, Act::JumpBkwd, 335},
        {true, 200, Act::Beginning, 1},
        // 172.5 rounds to the even 172.
        {true, 5, Act::Middle, 172},
        {true, 12, Act::Comma, 11},
        {true, 12, Act::Period, 13},
        {false, 7, Act::Fwd, 1},
        {false, 3, Act::Fwd, 4},
        {false, 1, Act::Bkwd, 7},
        {false, 0, Act::Bkwd, 7},
        // With seven photos every jump forward reaches the last photo and wraps; every jump
        // back passes photo 1.
        {false, 0, Act::JumpFwd, 1},
        {false, 3, Act::JumpFwd, 1},
        {false, 7, Act::JumpBkwd, 7},
        {false, 2, Act::JumpBkwd, 7},
        {false, 6, Act::Beginning, 1},
        // 3.5 rounds to 4.
        {false, 1, Act::Middle, 4},
        {false, 1, Act::Comma, 7},
        {false, 7, Act::Period, 1},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.design ? "345" : "7") << " photos, from " << c.start
                                          << ", action " << static_cast<int>(c.act));
        ShowRig rig(c.design ? DesignCatalogue() : SevenPhotoCatalogue());
        SlideShow& show = rig.open(c.start);
        Do(show, c.act);
        const int count = c.design ? 345 : 7;
        EXPECT_EQ(rig.screen().photoIndex, c.expected);
        EXPECT_EQ(rig.screen().picture, c.expected);
        EXPECT_EQ(rig.view.loads.back(), c.expected);
        EXPECT_EQ(rig.view.last.counter, PhotoCounterText(c.expected, count));
        EXPECT_TRUE(rig.view.last.counterVisible);
        EXPECT_TRUE(rig.view.last.yearCaptionVisible);
        EXPECT_TRUE(rig.view.errors.empty());
    }
}

TEST(SlideShowSteps, CaptionsNameThePhotoOnShow) {
    struct Case {
        int start;
        Act act;
        const char* caption;
    };
    const Case cases[] = {
        // Steps take the year caption, with its trailing blank.
        {171, Act::Fwd, "1985 "},
        {289, Act::Fwd, "2000"},
        {1, Act::Bkwd, "Vantrel Postage Stamps "},
        {292, Act::JumpFwd, "Vantrel Kite I "},
        {300, Act::JumpFwd, "Early Vantrel Prototypes "},
        // Beginning and Middle name the year without the blank.
        {100, Act::Beginning, "1964"},
        {100, Act::Middle, "1985"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        ShowRig rig(DesignCatalogue());
        Do(rig.open(c.start), c.act);
        EXPECT_EQ(rig.view.last.yearCaption, c.caption);
    }
    // Middle on a small disc whose middle photo is not a model year: its topic caption.
    ShowRig small(PhotoCatalogue::FromNames("/cd", {"64A.JPG", "PTA.JPG", "PTB.JPG"}));
    small.open(0).middle();
    EXPECT_EQ(small.view.last.yearCaption, "Early Vantrel Prototypes ");
}

TEST(SlideShowSteps, OpensAtTheStartPhotoOrWithNothingOnShow) {
    ShowRig rig(DesignCatalogue());
    rig.open(12);
    EXPECT_EQ(rig.view.loads, std::vector<int>{12});
    EXPECT_EQ(rig.view.last.photoIndex, 12);
    EXPECT_EQ(rig.view.last.counter, "12 of 345");
    EXPECT_TRUE(rig.view.last.counterVisible);
    EXPECT_TRUE(rig.view.last.yearCaptionVisible);
    EXPECT_EQ(rig.view.last.yearCaption, "1965 ");
    EXPECT_EQ(rig.view.last.delayCaption, " 1 second");
    EXPECT_EQ(rig.view.last.photoDelay, 1000);
    EXPECT_FALSE(rig.view.last.playing);

    // No photo on show in the main window, or an index that names none (a year without
    // photos leaves PhotoIndex past the last): nothing is shown yet.
    for (const int start : {0, -3, 346, 400}) {
        ShowRig empty(DesignCatalogue());
        empty.open(start);
        EXPECT_TRUE(empty.view.loads.empty()) << start;
        EXPECT_EQ(empty.view.last.photoIndex, 0);
        EXPECT_EQ(empty.view.last.picture, 0);
        EXPECT_FALSE(empty.view.last.counterVisible);
        EXPECT_FALSE(empty.view.last.yearCaptionVisible);
    }
}

TEST(SlideShowSteps, AStartPhotoThatCannotBeShownIsReportedAndSteppedFrom) {
    ShowRig rig(DesignCatalogue());
    rig.view.broken = {12};
    SlideShow& show = rig.open(12);
    EXPECT_EQ(rig.view.errors, std::vector<std::string>{"ER039"});
    EXPECT_EQ(rig.view.last.picture, 0);
    show.forward();
    EXPECT_EQ(rig.view.last.picture, 13);
}

TEST(SlideShowSteps, AFailedStepReportsItsCodeAndKeepsItsIndex) {
    struct Case {
        Act act;
        const char* code;
        int target;
        const char* counterAtMessage;
        const char* counterAfter;
    };
    // From photo 20: Fwd writes the counter before loading, Bkwd and Jump Fwd rewrite it
    // after the message, Jump Bkwd leaves the old text.
    const Case cases[] = {
        {Act::Fwd, "ER014", 21, "21 of 345", "21 of 345"},
        {Act::Bkwd, "ER015", 19, "20 of 345", "19 of 345"},
        {Act::JumpFwd, "ER018", 30, "20 of 345", "30 of 345"},
        {Act::JumpBkwd, "ER013", 10, "20 of 345", "20 of 345"},
        {Act::Beginning, "ER039", 1, "1 of 345", "1 of 345"},
        {Act::Middle, "ER039", 172, "172 of 345", "172 of 345"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ShowRig rig(DesignCatalogue());
        rig.view.broken = {c.target};
        SlideShow& show = rig.open(20);
        Do(show, c.act);
        ASSERT_EQ(rig.view.errors, std::vector<std::string>{c.code});
        EXPECT_EQ(rig.view.screenAtError.front().counter, c.counterAtMessage);
        EXPECT_EQ(rig.view.last.counter, c.counterAfter);
        // The picture and its caption stay those of photo 20; PhotoIndex moved on.
        EXPECT_EQ(rig.view.last.picture, 20);
        EXPECT_EQ(rig.view.last.yearCaption, "1966 ");
        EXPECT_EQ(rig.view.last.photoIndex, c.target);
    }
    // The next step goes on from the photo that failed.
    ShowRig rig(DesignCatalogue());
    rig.view.broken = {21};
    SlideShow& show = rig.open(20);
    show.forward();
    show.forward();
    EXPECT_EQ(rig.view.last.picture, 22);
    EXPECT_EQ(rig.view.errors.size(), 1U);
}

TEST(SlideShowSteps, StepsClearTheRefreshFlagButBeginningAndMiddleDoNot) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(20);
    show.play();
    EXPECT_TRUE(rig.view.last.slideShowDirty);
    show.pause();
    EXPECT_FALSE(rig.view.last.slideShowDirty);
    show.play();
    show.pause();
    show.beginning();
    show.middle();
    EXPECT_FALSE(rig.view.last.slideShowDirty);
}

TEST(SlideShowSteps, OtherKeysDoNothing) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(20);
    EXPECT_FALSE(show.key(kKeySpace));
    EXPECT_FALSE(show.key(13));
    EXPECT_EQ(rig.view.loads.size(), 1U);
}

TEST(SlideShowSteps, ControlsWhileStoppedAndWhilePlaying) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(20);
    const SlideControls stopped{};  // every control but Pause
    EXPECT_EQ(rig.view.last.enabled, stopped);

    show.play();
    SlideControls playing;
    playing.bkwd = playing.fwd = playing.jumpBkwd = playing.jumpFwd = false;
    playing.beginning = playing.middle = playing.spin = false;
    playing.pause = true;
    EXPECT_EQ(rig.view.last.enabled, playing);

    // Disabled controls do nothing.
    const std::size_t loads = rig.view.loads.size();
    show.forward();
    show.backward();
    show.jumpForward();
    show.jumpBackward();
    show.beginning();
    show.middle();
    show.spin(SpinDirection::Up);
    EXPECT_FALSE(show.key(kKeyPeriod));
    EXPECT_EQ(rig.view.loads.size(), loads);
    EXPECT_EQ(rig.view.last.photoDelay, 1000);

    show.pause();
    EXPECT_EQ(rig.view.last.enabled, stopped);
    show.pause();  // Pause is disabled now: PhotoIndex does not step back twice
    EXPECT_EQ(rig.view.last.photoIndex, 20);
}

TEST(SlideShowSteps, AnEmptyCatalogueShowsNothingAndNeverIndexesPastIt) {
    ShowRig rig(PhotoCatalogue::FromNames("/cd", {}));
    SlideShow& show = rig.open(1);
    SlideControls onlyExitAndSpin;
    onlyExitAndSpin.bkwd = onlyExitAndSpin.fwd = onlyExitAndSpin.play = false;
    onlyExitAndSpin.jumpBkwd = onlyExitAndSpin.jumpFwd = false;
    onlyExitAndSpin.beginning = onlyExitAndSpin.middle = false;
    EXPECT_EQ(rig.view.last.enabled, onlyExitAndSpin);
    EXPECT_EQ(rig.view.last.yearCaption, "");

    show.forward();
    show.backward();
    show.jumpForward();
    show.jumpBackward();
    show.beginning();
    show.middle();
    show.play();
    EXPECT_FALSE(show.key(kKeyComma));
    rig.run(5000);
    show.spin(SpinDirection::Down);
    EXPECT_TRUE(rig.view.loads.empty());
    EXPECT_TRUE(rig.view.errors.empty());
    EXPECT_FALSE(rig.timer.armed());
    EXPECT_EQ(rig.view.last.delayCaption, "60 seconds");

    const HandBack handBack = show.exitToMainWindow("1965");
    EXPECT_EQ(handBack.kind, HandBack::Kind::RefreshOnly);
    EXPECT_EQ(handBack.photoIndex, 0);
}

}  // namespace
}  // namespace velocarta
