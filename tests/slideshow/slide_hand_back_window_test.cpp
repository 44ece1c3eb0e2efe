// Leaving the slide show: Exit on the bar hands the photo on show to the main window,
// cmdExit and the close box leave it as it was; the show's start photo; an empty catalogue.
#include <QLineEdit>

#include "slide_window_fixture.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::EntryOf;
using SlideHandBack = testing::SlideWindowTest;

TEST_F(SlideHandBack, ExitHandsThePhotoAndItsYearToTheMainWindow) {
    struct Case {
        const char* kind;
        int startButton;  // the year button picked before the show opens
        std::vector<const char*> actions;
        const char* photo;
        const char* caption;
        const char* number;
        const char* stats;
        bool desc;
        bool options;
        const char* yearCode;
        int yearButtonIndex;
        int focusButton;
    };
    const Case cases[] = {
        {"model year",
         1,
         {"Fwd", "Fwd", "Fwd", "Fwd"},
         "66A",
         "1966 ",
         "1",
         "Engines",
         true,
         true,
         "66",
         3,
         4},
        {"1964 with the blank",
         2,
         {"Bkwd"},
         "64C",
         "1964 ",
         "3",
         "Engines",
         true,
         true,
         "64",
         1,
         2},
        {"Beginning's 1964",
         3,
         {"Beginning"},
         "64A",
         "1964",
         "1",
         "Engines",
         true,
         true,
         "64",
         1,
         2},
        {"2000", 36, {"Fwd"}, "A0A", "2000", "1", "Engines", true, true, "A0", 0, 1},
        {"Dorran edition",
         36,
         {"Fwd", "Fwd", "Fwd"},
         "DRA",
         "The Classic Dorran ",
         "1",
         "Engines",
         false,
         true,
         "DR",
         0,
         1},
        {"edition",
         36,
         {"Fwd", "Fwd", "Fwd", "Fwd", "Fwd"},
         "K3A",
         "Vantrel Kite III ",
         "1",
         "Details",
         true,
         false,
         "K3",
         0,
         1},
        {"topic",
         1,
         {"Bkwd", "Bkwd", "Bkwd", "Bkwd"},
         "VCK002",
         "Vantrel Cookies ",
         "1",
         "Details",
         false,
         false,
         "VC",
         0,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Click(testing::YearButton(*form, c.startButton));
        openShow();
        for (const char* action : c.actions) {
            if (std::string(action) == "Beginning") {
                Click(slide("SSCommand1"));
            } else {
                press(action);
            }
        }
        ASSERT_EQ(picture(), EntryOf(c.photo));
        press("Exit");
        EXPECT_EQ(shown(), nullptr);

        const int entry = EntryOf(c.photo);
        EXPECT_EQ(mainText("panYear"), c.caption);
        EXPECT_TRUE(mainControl("panYear")->isVisible());
        EXPECT_EQ(mainText("panPhoto"), c.number);
        EXPECT_EQ(mainControl<QLineEdit>("txtFile")->text().toStdString(),
                  std::string(c.photo) + ".JPG");
        EXPECT_EQ(mainControl<PhotoView>("Image4")->image().width(), 40 + entry);
        EXPECT_TRUE(mainControl("Image4")->isVisible());
        EXPECT_EQ(mainControl<QPushButton>("cmdStats")->text().toStdString(), c.stats);
        EXPECT_EQ(mainControl("cmdDesc")->isEnabled(), c.desc);
        EXPECT_EQ(mainControl("cmdOptions")->isEnabled(), c.options);
        EXPECT_EQ(mainControl("cmdColors")->isEnabled(), c.options);
        EXPECT_EQ(onShow().yearCode(), c.yearCode);
        EXPECT_EQ(onShow().yearButtonIndex(), c.yearButtonIndex);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        EXPECT_EQ(focus(), testing::YearButton(*form, c.focusButton));
        EXPECT_EQ(onShow().steps.photoIndex, entry - 1);
        EXPECT_EQ(onShow().steps.lastPhotoIndex, entry);
        EXPECT_TRUE(program().slideShowDirty);
    }
}

TEST_F(SlideHandBack, TheMainWindowStepsOnFromThePhotoHandedBack) {
    Click(testing::YearButton(*form, 3));
    openShow();
    press("Fwd");
    press("Fwd");  // 66C
    press("Exit");
    Click(mainControl<SpinButton>("SpinButton1")->upButton());
    EXPECT_EQ(mainControl<PhotoView>("Image4")->image().width(), 40 + EntryOf("66D"));
    Click(mainControl<SpinButton>("SpinButton1")->downButton());
    Click(mainControl<SpinButton>("SpinButton1")->downButton());
    EXPECT_EQ(mainControl<PhotoView>("Image4")->image().width(), 40 + EntryOf("66B"));
}

TEST_F(SlideHandBack, ExitWhilePlayingHandsOverThePhotoOnScreen) {
    Click(testing::YearButton(*form, 3));
    openShow();
    press("Play");
    run(2000);
    ASSERT_EQ(picture(), EntryOf("66C"));
    press("Exit");
    EXPECT_EQ(mainControl<PhotoView>("Image4")->image().width(), 40 + EntryOf("66C"));
    EXPECT_EQ(mainText("panPhoto"), "3");
}

TEST_F(SlideHandBack, WithNothingChosenExitOnlyRefreshesTheMainWindow) {
    openShow();
    press("Fwd");
    press("Exit");
    EXPECT_EQ(shown(), nullptr);
    EXPECT_EQ(mainText("panYear"), "panYear");
    EXPECT_FALSE(mainControl("panYear")->isVisible());
    EXPECT_EQ(onShow().steps.photoIndex, 1);
    EXPECT_EQ(boxes(), 0U);
}

TEST_F(SlideHandBack, CmdExitAndTheCloseBoxLeaveTheMainWindowAsItWas) {
    for (const char* way : {"cmdExit", "close box", "Escape"}) {
        SCOPED_TRACE(way);
        Click(testing::YearButton(*form, 3));
        openShow();
        press("Fwd");
        press("Fwd");
        press("Fwd");
        const int quits = harness.help.quits;
        if (std::string(way) == "cmdExit") {
            Click(slide("cmdExit"));
        } else if (std::string(way) == "close box") {
            shown()->close();
        } else {
            key(Qt::Key_Escape);
        }
        EXPECT_EQ(shown(), nullptr);
        EXPECT_EQ(boxes(), 0U);  // SlideShowActive is raised: nothing is asked
        EXPECT_EQ(harness.help.quits, quits + 1);
        EXPECT_EQ(mainText("panYear"), "1966");
        EXPECT_EQ(mainControl<PhotoView>("Image4")->image().width(), 40 + EntryOf("66A"));
        EXPECT_EQ(onShow().yearCode(), "66");
        // PhotoIndex keeps the show's last value.
        EXPECT_EQ(onShow().steps.photoIndex, EntryOf("66D"));
        EXPECT_TRUE(program().slideShowDirty);
    }
}

TEST_F(SlideHandBack, AfterCmdExitTheMainWindowStepsOnFromTheShowsPhoto) {
    const auto photo = [this] { return mainControl<PhotoView>("Image4")->image().width() - 40; };
    auto* steps = mainControl<SpinButton>("SpinButton1");
    // Opened and closed at once: the main window's next step is the one it would have made.
    Click(testing::YearButton(*form, 3));
    openShow();
    Click(slide("cmdExit"));
    Click(steps->upButton());
    EXPECT_EQ(photo(), EntryOf("66B"));
    // Moved on in the show: the steps go on from there.
    openShow();
    press("Fwd");
    Click(slide("cmdExit"));
    Click(steps->upButton());
    EXPECT_EQ(photo(), EntryOf("66D"));
    openShow();
    press("Bkwd");
    press("Bkwd");
    Click(slide("cmdExit"));
    Click(steps->downButton());
    EXPECT_EQ(photo(), EntryOf("66A"));
}

TEST_F(SlideHandBack, TheRefreshTheLastShowLeftDoesNotCloseTheNextOne) {
    Click(testing::YearButton(*form, 3));
    openShow();
    Click(slide("cmdExit"));
    ASSERT_TRUE(program().slideShowDirty);
    openShow();
    QApplication::processEvents();
    EXPECT_NE(shown(), nullptr);
    EXPECT_FALSE(program().slideShowDirty);
    // Once the show is closed, the main window refreshes when it next loses the focus.
    Click(slide("cmdExit"));
    ASSERT_TRUE(program().slideShowDirty);
    QApplication::setActiveWindow(form);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_FALSE(program().slideShowDirty);
}

TEST_F(SlideHandBack, AHandOverTheMainWindowCannotLoadIsReported) {
    Click(testing::YearButton(*form, 3));
    openShow();
    press("Jump Fwd");
    ASSERT_EQ(picture(), EntryOf("PT002"));
    harness.disc.writeFile("/vantrels/PT002.JPG", "damaged since");
    press("Exit");
    ASSERT_EQ(boxes(), 1U);
    EXPECT_EQ(lastCode(), "ER017");
    EXPECT_EQ(shown(), nullptr);
    EXPECT_EQ(mainText("panYear"), "1966");
    EXPECT_EQ(mainControl<PhotoView>("Image4")->image().width(), 40 + EntryOf("66A"));
}

TEST_F(SlideHandBack, TheShowDoesNotStartOnAPhotoTheMainWindowCouldNotShow) {
    harness.disc.writeFile("/vantrels/66B.JPG", "damaged on the disc");
    Click(testing::YearButton(*form, 3));
    // Back from 66D past the broken 66B: the main window keeps 66C on screen.
    for (int i = 0; i < 3; ++i) {
        Click(mainControl<SpinButton>("SpinButton1")->downButton());
    }
    ASSERT_EQ(boxes(), 1U);
    ASSERT_EQ(onShow().steps.lastPhotoIndex, EntryOf("66B"));
    openShow();
    EXPECT_EQ(picture(), EntryOf("66C"));
    EXPECT_EQ(counter(), "7 of 26");
    EXPECT_EQ(boxes(), 1U);
    Click(slide("cmdExit"));

    // A year whose first photo cannot be shown: the show opens at the next one.
    harness.disc.writeFile("/vantrels/99A.JPG", "damaged on the disc");
    Click(testing::YearButton(*form, 36));
    ASSERT_EQ(boxes(), 2U);
    EXPECT_EQ(lastCode(), "ER023");
    openShow();
    EXPECT_EQ(picture(), EntryOf("A0A"));
    EXPECT_EQ(boxes(), 2U);
}

TEST_F(SlideHandBack, AnEmptyCatalogueShowsNothingAndFailsNowhere) {
    Click(testing::YearButton(*form, 3));
    program().photos = PhotoCatalogue::FromNames(program().photoRoot, {});
    openShow();
    EXPECT_EQ(picture(), 0);
    for (const char* label : {"Bkwd", "Fwd", "Play", "Pause", "Jump Bkwd", "Jump Fwd"}) {
        EXPECT_FALSE(bar(label)->isEnabled()) << label;
    }
    EXPECT_FALSE(slide("SSCommand1")->isEnabled());
    EXPECT_FALSE(slide("SSCommand2")->isEnabled());
    EXPECT_TRUE(bar("Exit")->isEnabled());
    key(Qt::Key_Period);
    key(Qt::Key_Comma);
    Click(slide<SpinButton>("SpinInterval")->upButton());
    Click(slide("Image1"), Qt::RightButton);  // nothing on show to copy: nothing is asked
    run(5000);
    EXPECT_EQ(picture(), 0);
    press("Exit");
    EXPECT_EQ(shown(), nullptr);
    EXPECT_EQ(mainText("panYear"), "1966");
    EXPECT_EQ(boxes(), 0U);
}

}  // namespace
}  // namespace velocarta
