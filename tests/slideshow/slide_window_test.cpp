// The slide show window opened from the menu bar: what it shows, its steps by the bar, the
// keys, Beginning and Middle, the delay, the clock, the copy offer and its layouts.
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>

#include "program/controls.h"
#include "slide_window_fixture.h"
#include "slideshow/slide_layout.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::EntryOf;
using SlideWindow = testing::SlideWindowTest;

TEST_F(SlideWindow, OpensOverTheMainWindowAtThePhotoItShowed) {
    Click(testing::YearButton(*form, 3));  // 1966: 66A
    QWidget* window = openShow();
    EXPECT_EQ(window->windowTitle(), "The Vantrel Velocarta Slide Show");
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window->geometry(), form->geometry());
    EXPECT_EQ(picture(), EntryOf("66A"));
    EXPECT_EQ(slideText("panYear"), "1966 ");
    EXPECT_TRUE(slideShows("panYear"));
    EXPECT_EQ(counter(), "5 of 26");
    EXPECT_TRUE(slideShows("pnlPhotoNumber"));
    EXPECT_EQ(slideText("panInterval"), " 1 second");
    EXPECT_EQ(slideText("PnlCoStar"), "The Vantrel Velocarta  2000");
    EXPECT_EQ(program().photoDelay, 1000);
    // RegisterHelp names the help file of the program's folder.
    EXPECT_EQ(harness.help.file, harness.program.path() + "/vantrel2000.HLP");
    // Stopped: every button of the bar but Pause.
    for (const char* label : {"Bkwd", "Fwd", "Play", "Jump Bkwd", "Jump Fwd", "Exit"}) {
        EXPECT_TRUE(bar(label)->isEnabled()) << label;
    }
    EXPECT_FALSE(bar("Pause")->isEnabled());
    EXPECT_EQ(focus(), slide("SSCommand1"));
    EXPECT_EQ(slide("mmSlide")->toolTip(),
              "[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]");
}

TEST_F(SlideWindow, TheScreenSaversPhotoListLeavesTheScreenAsTheShowOpens) {
    Click(testing::YearButton(*form, 3));
    QTest::mouseClick(mainControl("Image4"), Qt::RightButton);
    QPointer<QWidget> photoList = testing::ShownWindow(QStringLiteral("frmSSPhoto"));
    ASSERT_NE(photoList, nullptr);
    openShow();
    EXPECT_TRUE(photoList.isNull() || !photoList->isVisible());
    EXPECT_EQ(testing::ShownWindow(QStringLiteral("frmSSPhoto")), nullptr);
}

TEST_F(SlideWindow, WithNothingOnShowInTheMainWindowTheShowWaitsForAStep) {
    openShow();
    EXPECT_EQ(picture(), 0);
    EXPECT_FALSE(slideShows("panYear"));
    EXPECT_FALSE(slideShows("pnlPhotoNumber"));
    press("Fwd");
    EXPECT_EQ(picture(), 1);
    EXPECT_EQ(counter(), "1 of 26");
}

TEST_F(SlideWindow, EveryStepOfTheBarLandsWhereItShould) {
    struct Case {
        const char* start;  // the year button's photo the show opens at
        int button;
        const char* action;
        int expected;
        const char* caption;
    };
    const Case cases[] = {
        {"66A", 3, "Fwd", 6, "1966 "},
        {"66A", 3, "Bkwd", 4, "1965 "},
        {"64A", 1, "Bkwd", 26, "Vantrel Postage Stamps "},
        {"64A", 1, "Jump Fwd", 11, "2000"},
        {"64A", 1, "Jump Bkwd", 26, "Vantrel Postage Stamps "},
        {"99A", 36, "Jump Fwd", 19, "Danbury Mint Die Cast Models "},
        {"A0A", 37, "Jump Bkwd", 26, "Vantrel Postage Stamps "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " from " + c.start);
        Click(testing::YearButton(*form, c.button));
        openShow();
        ASSERT_EQ(picture(), EntryOf(c.start));
        press(c.action);
        EXPECT_EQ(picture(), c.expected);
        EXPECT_EQ(counter(), std::to_string(c.expected) + " of 26");
        EXPECT_EQ(slideText("panYear"), c.caption);
        EXPECT_EQ(focus(), slide("SSCommand1"));
        Click(slide("cmdExit"));
        ASSERT_EQ(shown(), nullptr);
    }
}

TEST_F(SlideWindow, JumpsForwardNeverLandOnTheLastPhoto) {
    openShow();
    press("Jump Fwd");  // from nothing on show: photo 10
    EXPECT_EQ(picture(), 10);
    press("Jump Fwd");
    EXPECT_EQ(picture(), 20);
    press("Jump Fwd");  // 30 passes the last photo, 26: photo 1
    EXPECT_EQ(picture(), 1);
    for (int i = 0; i < 15; ++i) {
        press("Fwd");
    }
    press("Jump Fwd");  // 16 + 10 reaches the last photo: photo 1 again
    EXPECT_EQ(picture(), 1);
}

TEST_F(SlideWindow, CommaAndPeriodStepWhateverShiftDoes) {
    Click(testing::YearButton(*form, 2));  // 65A, entry 4
    openShow();
    key(Qt::Key_Period);
    EXPECT_EQ(picture(), 5);
    key(Qt::Key_Greater, Qt::ShiftModifier);
    EXPECT_EQ(picture(), 6);
    key(Qt::Key_Comma);
    key(Qt::Key_Less, Qt::ShiftModifier);
    key(Qt::Key_Comma);
    EXPECT_EQ(picture(), 3);
    EXPECT_EQ(slideText("panYear"), "1964 ");
    // The keys work after a click elsewhere in the window too.
    Click(slide("SpinInterval")->findChildren<QToolButton*>().front());
    key(Qt::Key_Period);
    EXPECT_EQ(picture(), 4);
    key(Qt::Key_A);
    EXPECT_EQ(picture(), 4);
}

TEST_F(SlideWindow, BeginningAndMiddleSetTheirOwnCaption) {
    Click(testing::YearButton(*form, 3));
    openShow();
    Click(slide("SSCommand1"));
    EXPECT_EQ(picture(), 1);
    EXPECT_EQ(slideText("panYear"), "1964");
    EXPECT_EQ(counter(), "1 of 26");
    Click(slide("SSCommand2"));
    EXPECT_EQ(picture(), 13);  // 26 / 2
    EXPECT_EQ(slideText("panYear"), "Vantrel Kite I ");
    EXPECT_EQ(slide<QPushButton>("SSCommand1")->toolTip(), "Jump to Slide 1");
    EXPECT_EQ(slide<QPushButton>("SSCommand2")->toolTip(), "Jump to Middle");
}

TEST_F(SlideWindow, TheDelaySpinWalksTheRingBothWays) {
    openShow();
    auto* spin = slide<SpinButton>("SpinInterval");
    const std::pair<bool, const char*> steps[] = {
        {true, "2 seconds"},  {true, "3 seconds"},  {true, "4 seconds"},   {true, "5 seconds"},
        {true, "10 seconds"}, {false, "5 seconds"}, {false, "4 seconds"},  {false, "3 seconds"},
        {false, "2 seconds"}, {false, "1 seconds"}, {false, "60 seconds"}, {false, "55 seconds"},
        {true, "60 seconds"}, {true, "1 seconds"},
    };
    for (const auto& [up, caption] : steps) {
        Click(up ? spin->upButton() : spin->downButton());
        EXPECT_EQ(slideText("panInterval"), caption);
    }
    EXPECT_EQ(program().photoDelay, 1000);
    Click(spin->downButton());
    EXPECT_EQ(program().photoDelay, 60000);
    EXPECT_EQ(focus(), slide("SSCommand1"));
    // Each opening starts over at one second.
    Click(slide("cmdExit"));
    openShow();
    EXPECT_EQ(slideText("panInterval"), " 1 second");
    EXPECT_EQ(program().photoDelay, 1000);
}

TEST_F(SlideWindow, TheClockShowsTimeDateAndWeekday) {
    openShow();
    const QString time = QString::fromStdString(slideText("StatusTime"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^(0[1-9]|1[0-2]):[0-5]\\d:[0-5]\\d (am|pm)$"))
                    .match(time)
                    .hasMatch())
        << time.toStdString();
    const QDate today = QDate::currentDate();
    const std::string date = slideText("StatusDate");
    ASSERT_EQ(date.size(), 8U) << date;
    EXPECT_EQ(date.substr(0, 2),
              QStringLiteral("%1").arg(today.month(), 2, 10, QLatin1Char('0')).toStdString());
    EXPECT_EQ(date.substr(6, 2),
              QStringLiteral("%1").arg(today.year() % 100, 2, 10, QLatin1Char('0')).toStdString());
    EXPECT_EQ(slideText("StatusDay"),
              QLocale::system().dayName(today.dayOfWeek(), QLocale::LongFormat).toStdString());
}

TEST_F(SlideWindow, ARightClickOnThePhotoOffersToCopyIt) {
    Click(testing::YearButton(*form, 3));
    openShow();
    Click(slide("Image1"), Qt::LeftButton);
    EXPECT_EQ(boxes(), 0U);
    harness.prompter.answerNext(Answer::No);
    Click(slide("Image1"), Qt::RightButton);
    ASSERT_EQ(boxes(), 1U);
    EXPECT_EQ(harness.prompter.last().text,
              "Would you like to copy this image to the Windows Clipboard?");
    EXPECT_TRUE(harness.clipboard.image.isNull());
    Click(slide("Image1"), Qt::RightButton);
    EXPECT_EQ(harness.clipboard.image.width(), 40 + EntryOf("66A"));
}

TEST_F(SlideWindow, PanelsHandTheFocusBackToBeginning) {
    Click(testing::YearButton(*form, 3));
    openShow();
    for (const char* panel : {"panYear", "PnlCoStar", "StatusDate", "StatusDay", "StatusTime"}) {
        slide("cmdExit")->setFocus();
        Click(slide(panel));
        EXPECT_EQ(focus(), slide("SSCommand1")) << panel;
    }
}

// Each control's place in pixels, for a layout in twips.
void ExpectPlaces(QWidget* window, const SlideLayout& layout) {
    const std::pair<const char*, const Rect*> places[] = {
        {"Image1", &layout.image1},
        {"panYear", &layout.panYear},
        {"SSCommand1", &layout.ssCommand1},
        {"SSCommand2", &layout.ssCommand2},
        {"mmSlide", &layout.mmSlide},
        {"panInterval", &layout.panInterval},
        {"SpinInterval", &layout.spinInterval},
        {"PnlCoStar", &layout.pnlCoStar},
        {"StatusDate", &layout.statusDate},
        {"StatusDay", &layout.statusDay},
        {"StatusTime", &layout.statusTime},
        {"cmdExit", &layout.cmdExit},
    };
    for (const auto& [name, place] : places) {
        EXPECT_EQ(testing::Find(window, QString::fromUtf8(name))->geometry(), PixelsOfTwips(*place))
            << name;
    }
}

TEST_F(SlideWindow, TheDesignedLayoutGivesTheExtraRoomToThePhoto) {
    QWidget* window = openShow();
    ExpectPlaces(window,
                 FitSlideLayout(SlideDesignLayout(), window->width() * 15, window->height() * 15));
    const QRect photo = slide("Image1")->geometry();
    EXPECT_EQ(photo.left(), 8);
    EXPECT_EQ(window->width() - photo.right() - 1, 8);
    EXPECT_LE(slide("cmdExit")->geometry().bottom(), window->height());
}

class SmallScreenSlideWindow : public testing::SlideWindowTest {
  protected:
    void SetUp() override {
        harness.screen.resize(640, 480);
        SlideWindowTest::SetUp();
    }
};

TEST_F(SmallScreenSlideWindow, TheSmallLayoutAtExactly640By480) {
    QWidget* window = openShow();
    EXPECT_EQ(window->geometry(), form->geometry());
    ExpectPlaces(window, SmallScreenSlideLayout(SlideDesignLayout(), 640 * 15));
    // The delay read-out ends 140 twips (9 pixels) inside the screen's right edge.
    EXPECT_EQ(slide("panInterval")->geometry().right() + 1, 640 - 9);
}

}  // namespace
}  // namespace velocarta
