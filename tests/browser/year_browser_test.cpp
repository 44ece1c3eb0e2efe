// The ways into a year or topic, with real clicks and keys on the main window.
#include "browser/browser_fixture.h"

namespace velocarta {
namespace {

using YearBrowser = testing::BrowserTest;
using testing::Click;

TEST_F(YearBrowser, AYearButtonShowsTheYearAndFocusesTheNextYear) {
    pick(3);
    EXPECT_EQ(caption(), "1966");
    EXPECT_EQ(onShow().caption(), "1966");
    EXPECT_EQ(shownFile(), "66A.JPG");
    EXPECT_TRUE(photo()->isVisible());
    EXPECT_TRUE(photo()->hasImage());
    EXPECT_EQ(photoNumber(), "1");
    EXPECT_EQ(focus(), year(4));
    EXPECT_EQ(onShow().yearButtonIndex(), 3);
    EXPECT_EQ(onShow().yearCode(), "66");
    EXPECT_EQ(onShow().steps,
              (StepState{0, program().photos.firstIndexOf("66"), true, false, false}));
    EXPECT_TRUE(form->menuEntry("mnuNames")->isEnabled());
    EXPECT_TRUE(control("SpinButton1")->isVisible());
    EXPECT_TRUE(control("panYear")->isVisible());
    EXPECT_EQ(control<QPushButton>("cmdStats")->text(), QStringLiteral("Engines"));
    EXPECT_EQ(harness.screen.pointers,
              (std::vector<Pointer>{Pointer::Hourglass, Pointer::Default, Pointer::Hourglass,
                                    Pointer::Default}));
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(YearBrowser, TheLastButtonsHandTheFocusOn) {
    pick(37);
    EXPECT_EQ(caption(), "2000");
    EXPECT_EQ(shownFile(), "A0A.JPG");  // 2000's photos follow 1999's
    EXPECT_EQ(focus(), year(1));
    pick(36);
    EXPECT_EQ(caption(), "1999");
    EXPECT_EQ(focus(), year(37));
}

TEST_F(YearBrowser, AYearWithoutPhotosSaysSoAndHidesThePhoto) {
    pick(7);  // 1970
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER023");
    EXPECT_FALSE(photo()->isVisible());
    EXPECT_EQ(focus(), year(8));
    // Steps on it find nothing and change nothing.
    stepForward();
    stepBack();
    EXPECT_EQ(boxes(), 1u);
    pick(3);
    EXPECT_TRUE(photo()->isVisible());
}

TEST_F(YearBrowser, SpaceOnAYearButtonPicksOnlyBeforeTheFirstPick) {
    year(2)->setFocus();
    // The key goes down on the focused button and comes up wherever the focus is then.
    QTest::keyPress(year(2), Qt::Key_Space);
    QTest::keyRelease(focus(), Qt::Key_Space);
    EXPECT_EQ(caption(), "1965");
    EXPECT_EQ(focus(), year(3));
    // The button Space was pressed on is not left drawn pressed.
    EXPECT_FALSE(year(2)->isDown());
    EXPECT_FALSE(year(3)->isDown());
    // Once a year was picked, Space presses the focused button as any button takes it.
    QTest::keyClick(year(3), Qt::Key_Space);
    EXPECT_EQ(caption(), "1966");
    EXPECT_FALSE(year(3)->isDown());
    QTest::keyClick(year(5), Qt::Key_A);
    EXPECT_EQ(caption(), "1966");
}

TEST_F(YearBrowser, ModifierAndOtherKeysBeforeTheFirstPickDoNothing) {
    year(5)->setFocus();
    for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta,
                              Qt::Key_CapsLock, Qt::Key_AltGr, Qt::Key_F1, Qt::Key_A}) {
        testing::PressKey(year(5), key);
        EXPECT_EQ(onShow().caption(), "panYear") << key;
    }
    EXPECT_EQ(boxes(), 0u);
    EXPECT_EQ(focus(), year(5));
}

TEST_F(YearBrowser, CommaAndPeriodStepThePhotosWhateverShiftDoes) {
    pick(3);
    QTest::keyClick(year(4), Qt::Key_Period);
    EXPECT_EQ(shownFile(), "66B.JPG");
    EXPECT_EQ(photoNumber(), "2");
    EXPECT_EQ(caption(), "1966");
    EXPECT_EQ(focus(), year(4));
    QTest::keyClick(year(4), Qt::Key_Comma);
    EXPECT_EQ(shownFile(), "66A.JPG");
    // With Shift held the keys are the same keys, whichever character they type.
    QTest::keyClick(year(4), Qt::Key_Comma, Qt::ShiftModifier);
    EXPECT_EQ(shownFile(), "66D.JPG");
    EXPECT_EQ(photoNumber(), "4");
    QTest::keyClick(year(4), Qt::Key_Greater, Qt::ShiftModifier);
    EXPECT_EQ(shownFile(), "66A.JPG");
    QTest::keyClick(year(4), Qt::Key_Less, Qt::ShiftModifier);
    EXPECT_EQ(shownFile(), "66D.JPG");
    EXPECT_EQ(caption(), "1966");
}

TEST_F(YearBrowser, PhotoClicksCycleThroughYearsEditionsAndTopics) {
    clickPhoto();
    EXPECT_EQ(caption(), "1964");
    EXPECT_EQ(focus(), year(2));
    pick(37);
    clickPhoto(Qt::MiddleButton);
    EXPECT_EQ(caption(), "Early Vantrel Prototypes ");
    EXPECT_EQ(onShow().yearButtonIndex(), 37);
    EXPECT_EQ(focus(), year(1));
    EXPECT_EQ(control<QPushButton>("cmdStats")->text(), QStringLiteral("Details"));
    EXPECT_EQ(shownFile(), "PT002.JPG");
    std::vector<std::string> captions;
    for (int click = 0; click < 11; ++click) {
        clickPhoto();
        captions.push_back(caption());
    }
    EXPECT_EQ(captions.back(), "1964 ");
    EXPECT_EQ(captions[5], "Franklin Mint Die Cast Models ");  // shown as a details topic
    EXPECT_EQ(shownFile(), "64A.JPG");
    EXPECT_EQ(focus(), year(2));
    clickPhoto();
    EXPECT_EQ(caption(), "1965");
    EXPECT_EQ(onShow().yearButtonIndex(), 2);
}

TEST_F(YearBrowser, AClickOnAControlIsNotTheStartUpClick) {
    // Before the first click on the bare window, a year is picked by its button: clicks on
    // the photo, on the caption panels and between the year buttons are theirs, not the
    // bare window's.
    pick(37);
    clickPhoto();
    EXPECT_EQ(caption(), "Early Vantrel Prototypes ");
    pick(3);
    Click(control("panYear"));
    Click(control("panPhoto"));
    EXPECT_EQ(caption(), "1966");
    QWidget* frame = control("Frame1");
    const QPoint gap(3, year(1)->geometry().center().y());  // before 1964's button
    ASSERT_EQ(frame->childAt(gap), nullptr);
    Click(frame, Qt::LeftButton, gap);
    EXPECT_EQ(caption(), "1966");
    EXPECT_TRUE(program().startupPending);
}

TEST_F(YearBrowser, ADoubleClickOnThePhotoAdvancesOnce) {
    pick(3);
    testing::DoubleClick(photo());
    EXPECT_EQ(caption(), "1967");
    EXPECT_EQ(onShow().yearButtonIndex(), 4);
}

TEST_F(YearBrowser, ThePhotoClickAfterTheDorranShows1964) {
    choose("mnuSpecialty", 0);
    EXPECT_EQ(caption(), "The Classic Dorran ");
    EXPECT_FALSE(control("cmdDesc")->isEnabled());
    EXPECT_FALSE(control("cmdNostalgia")->isEnabled());
    EXPECT_TRUE(control("cmdOptions")->isEnabled());
    clickPhoto();
    EXPECT_EQ(caption(), "1964");
    EXPECT_TRUE(control("cmdDesc")->isEnabled());
}

TEST_F(YearBrowser, TheFirstClickOnTheBareWindowShows1964Once) {
    QTest::mouseClick(form->centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(caption(), "1964");
    EXPECT_FALSE(year(1)->isEnabled());
    EXPECT_EQ(focus(), year(2));
    EXPECT_EQ(onShow().yearButtonIndex(), 1);
    EXPECT_FALSE(program().startupPending);
    pick(3);
    QTest::mouseClick(form->centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(caption(), "1966");
    EXPECT_TRUE(year(1)->isEnabled());  // the next pick enabled it again
}

TEST_F(YearBrowser, TopicMenusShowTheirTopics) {
    choose("mnuStuff", 4);  // Vantrel Cookies
    EXPECT_EQ(caption(), "Vantrel Cookies ");
    EXPECT_EQ(shownFile(), "VCK002.JPG");
    EXPECT_EQ(control<QPushButton>("cmdStats")->text(), QStringLiteral("Details"));
    for (const char* off :
         {"cmdOptions", "cmdColors", "cmdScript", "cmdEmblem", "cmdAd", "cmdNostalgia"}) {
        EXPECT_FALSE(control(off)->isEnabled()) << off;
    }
    EXPECT_EQ(onShow().yearButtonIndex(), 0);
    EXPECT_EQ(focus(), year(1));
    EXPECT_EQ(photoNumber(), "1");

    choose("mnuStuff", 1);  // The Danbury Mint
    EXPECT_EQ(caption(), "Danbury Mint Die Cast Models ");
    EXPECT_TRUE(control("cmdDesc")->isEnabled());
    stepForward();
    EXPECT_EQ(photoNumber(), "2");
    choose("mnuSpecialty", 1);  // Early Vantrel Prototypes
    EXPECT_EQ(caption(), "Early Vantrel Prototypes ");
    EXPECT_EQ(photoNumber(), "1");
    EXPECT_EQ(onShow().steps.photoIndex, 0);
    EXPECT_EQ(focus(), year(1));
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(YearBrowser, TheSlideShowRefreshAndLoadArray) {
    pick(3);
    photo()->hide();
    program().slideShowDirty = true;
    QApplication::setActiveWindow(nullptr);  // the main window loses the focus
    EXPECT_FALSE(program().slideShowDirty);
    EXPECT_TRUE(photo()->isVisible());
    EXPECT_TRUE(control("cmdDesc")->isEnabled());
}

TEST(LoadArray, RebuildsTheCatalogueForAProgramThatReadsItsOwnFolder) {
    testing::ShellHarness harness;
    testing::WriteJpeg(harness.program, "/vantrels/64A.JPG");
    Form1& form = harness.startToMainWindow("HWI");
    testing::WriteJpeg(harness.program, "/vantrels/70A.JPG");
    const int before = harness.state->photos.count();
    testing::Click(testing::Find(&form, "Command1"));
    EXPECT_EQ(harness.state->photos.count(), before + 1);
}

}  // namespace
}  // namespace velocarta
