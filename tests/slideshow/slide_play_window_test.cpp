// Timed play in the slide show window, the screen saver held off while it plays, and the
// numbered messages of the steps.
#include "slide_window_fixture.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::EntryOf;
using SlidePlay = testing::SlideWindowTest;

const std::pair<std::string, std::string> kHold{"The Vantrel Velocarta 2000", "Slide show playing"};

TEST_F(SlidePlay, PlayShowsNothingAtOnceThenOnePhotoADelay) {
    Click(testing::YearButton(*form, 3));  // 66A, entry 5
    openShow();
    press("Play");
    EXPECT_EQ(picture(), 5);
    for (const char* label : {"Bkwd", "Fwd", "Jump Bkwd", "Jump Fwd"}) {
        EXPECT_FALSE(bar(label)->isEnabled()) << label;
    }
    for (const char* label : {"Play", "Pause", "Exit"}) {
        EXPECT_TRUE(bar(label)->isEnabled()) << label;
    }
    EXPECT_FALSE(slide("SSCommand1")->isEnabled());
    EXPECT_FALSE(slide("SSCommand2")->isEnabled());
    EXPECT_FALSE(slide("SpinInterval")->isEnabled());
    run(999);
    EXPECT_EQ(picture(), 5);
    run(1);
    EXPECT_EQ(picture(), 6);
    EXPECT_EQ(counter(), "6 of 26");
    EXPECT_EQ(slideText("panYear"), "1966 ");
    run(1000);
    EXPECT_EQ(picture(), 7);
    // Disabled controls take no keys either.
    key(Qt::Key_Period);
    EXPECT_EQ(picture(), 7);
}

TEST_F(SlidePlay, TheDelayChosenTimesTheTicks) {
    openShow();
    Click(slide<SpinButton>("SpinInterval")->upButton());  // 2 seconds
    press("Play");
    run(1999);
    EXPECT_EQ(picture(), 0);
    run(1);
    EXPECT_EQ(picture(), 1);
    run(2000);
    EXPECT_EQ(picture(), 2);
}

TEST_F(SlidePlay, TheLastPhotoStaysForTwoDelaysThenPhotoOneFollows) {
    openShow();
    press("Bkwd");
    press("Bkwd");
    ASSERT_EQ(picture(), 25);
    press("Play");
    run(1000);
    EXPECT_EQ(picture(), 26);
    run(1000);
    EXPECT_EQ(picture(), 26);
    run(1000);
    EXPECT_EQ(picture(), 1);
    EXPECT_EQ(slideText("panYear"), "1964 ");
}

TEST_F(SlidePlay, PauseNamesThePhotoOnShowAgain) {
    Click(testing::YearButton(*form, 3));
    openShow();
    press("Play");
    run(2000);
    ASSERT_EQ(picture(), 7);
    press("Pause");
    EXPECT_EQ(onShow().steps.photoIndex, 7);
    EXPECT_EQ(counter(), "7 of 26");
    EXPECT_FALSE(bar("Pause")->isEnabled());
    EXPECT_TRUE(bar("Fwd")->isEnabled());
    EXPECT_TRUE(slide("SpinInterval")->isEnabled());
    EXPECT_EQ(focus(), slide("SSCommand1"));
    run(5000);
    EXPECT_EQ(picture(), 7);
    press("Fwd");
    EXPECT_EQ(picture(), 8);
}

TEST_F(SlidePlay, PlayWhilePlayingSkipsAPhotoAndStartsTheDelayAgain) {
    Click(testing::YearButton(*form, 3));
    openShow();
    press("Play");
    run(1000);
    ASSERT_EQ(picture(), 6);
    run(500);
    press("Play");
    run(999);
    EXPECT_EQ(picture(), 6);
    run(1);
    EXPECT_EQ(picture(), 8);
}

TEST_F(SlidePlay, TheScreenSaverIsHeldOffOnlyWhilePlaying) {
    openShow();
    EXPECT_TRUE(harness.screenSaver.requests.empty());
    press("Play");
    EXPECT_TRUE(harness.screenSaver.held());
    ASSERT_EQ(harness.screenSaver.requests.size(), 1U);
    EXPECT_EQ(harness.screenSaver.requests[0], kHold);
    press("Pause");
    EXPECT_FALSE(harness.screenSaver.held());
    EXPECT_EQ(harness.screenSaver.releases, 1);

    // Either way out lets go of it.
    press("Play");
    press("Exit");
    EXPECT_EQ(shown(), nullptr);
    EXPECT_FALSE(harness.screenSaver.held());
    Click(testing::YearButton(*form, 3));
    openShow();
    press("Play");
    Click(slide("cmdExit"));
    EXPECT_FALSE(harness.screenSaver.held());
    EXPECT_EQ(harness.screenSaver.releases, 3);
    EXPECT_FALSE(harness.slideTimer.armed());
}

TEST_F(SlidePlay, TheHoldEndsWithTheProgram) {
    openShow();
    press("Play");
    ASSERT_TRUE(harness.screenSaver.held());
    // The program ends (Cancel on a Retry/Cancel message): every window closes unasked.
    program().EndProgram();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
    }
    EXPECT_EQ(shown(), nullptr);
    EXPECT_FALSE(harness.screenSaver.held());
    EXPECT_EQ(boxes(), 0U);
}

TEST_F(SlidePlay, WindowsThatGoWhileTheShowPlaysLetGoOfTheScreenSaver) {
    openShow();
    press("Play");
    ASSERT_TRUE(harness.screenSaver.held());
    harness.windows.reset();
    EXPECT_FALSE(harness.screenSaver.held());
    EXPECT_FALSE(harness.slideTimer.armed());
}

TEST_F(SlidePlay, WithoutAScreenSaverServiceTheShowPlaysOn) {
    harness.screenSaver.available = false;
    openShow();
    press("Play");
    EXPECT_FALSE(harness.screenSaver.held());
    run(3000);
    EXPECT_EQ(picture(), 3);
}

TEST_F(SlidePlay, ATickThatCannotShowItsPhotoReportsAndPlaysOn) {
    harness.disc.writeFile("/vantrels/66B.JPG", "damaged on the disc");
    Click(testing::YearButton(*form, 3));
    openShow();
    press("Play");
    run(1000);
    ASSERT_EQ(boxes(), 1U);
    EXPECT_EQ(lastCode(), "ER016");
    EXPECT_EQ(picture(), 5);
    EXPECT_TRUE(bar("Pause")->isEnabled());
    run(1000);
    EXPECT_EQ(picture(), 7);
    EXPECT_EQ(boxes(), 1U);
}

TEST_F(SlidePlay, EachStepReportsItsOwnCodeAndGoesOnFromThere) {
    struct Case {
        const char* action;
        const char* broken;
        const char* code;
        const char* counterAfter;  // Jump Bkwd leaves the old counter text
    };
    const Case cases[] = {
        {"Fwd", "66B", "ER014", "6 of 26"},
        {"Bkwd", "65A", "ER015", "4 of 26"},
        {"Jump Fwd", "PT002", "ER018", "15 of 26"},
        {"Jump Bkwd", "ZZ002", "ER013", "5 of 26"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        const std::string file = std::string("/vantrels/") + c.broken + ".JPG";
        harness.disc.writeFile(file, "damaged on the disc");
        Click(testing::YearButton(*form, 3));
        const std::size_t before = boxes();
        openShow();
        press(c.action);
        ASSERT_EQ(boxes(), before + 1);
        EXPECT_EQ(lastCode(), c.code);
        EXPECT_EQ(picture(), 5);  // 66A stays on screen
        EXPECT_EQ(counter(), c.counterAfter);
        EXPECT_EQ(focus(), slide("SSCommand1"));
        // The next step goes on from the photo that failed.
        press(c.action);
        EXPECT_NE(picture(), 5);
        Click(slide("cmdExit"));
        testing::WriteJpeg(harness.disc, file, QSize(40 + EntryOf(c.broken), 30));
    }
}

}  // namespace
}  // namespace velocarta
