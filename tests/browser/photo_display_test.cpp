// The photo steps, the file-name box and the Details text, with real clicks and keys.
#include <filesystem>

#include "browser/browser_fixture.h"

namespace velocarta {
namespace {

using PhotoDisplay = testing::BrowserTest;
using testing::Click;

TEST_F(PhotoDisplay, TheSpinButtonStepsAndWraps) {
    pick(3);
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) {
        stepForward();
        shown.push_back(shownFile());
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"66B.JPG", "66C.JPG", "66D.JPG", "66A.JPG", "66B.JPG"}));
    stepBack();
    EXPECT_EQ(shownFile(), "66A.JPG");
    EXPECT_EQ(photoNumber(), "1");
    EXPECT_EQ(onShow().steps.lastPhotoIndex, program().photos.firstIndexOf("66"));
    // One photo: the step shows it again.
    pick(2);
    stepForward();
    EXPECT_EQ(shownFile(), "65A.JPG");
    EXPECT_EQ(focus(), year(3));
}

TEST_F(PhotoDisplay, StepsBeforeAnyPickOnlyFocusTheFirstButton) {
    // The first click on the bare window leaves 1964's button off; a step before any
    // other pick turns it on again.
    year(1)->setEnabled(false);
    stepForward();
    EXPECT_TRUE(year(1)->isEnabled());
    EXPECT_EQ(focus(), year(1));
    stepBack();
    EXPECT_EQ(onShow().caption(), "panYear");
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(PhotoDisplay, ABrokenPhotoIsReportedAndTheProgramGoesOn) {
    harness.disc.writeFile("/vantrels/66B.JPG", "damaged on the disc");
    pick(3);
    stepForward();
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER012");
    stepForward();
    EXPECT_EQ(shownFile(), "66C.JPG");
    year(5)->setFocus();
    stepBack();
    ASSERT_EQ(boxes(), 2u);
    EXPECT_EQ(lastCode(), "ER011");
    EXPECT_EQ(focus(), year(4));  // the backward step still moves the focus
    // The next backward step goes on past the broken photo.
    stepBack();
    EXPECT_EQ(shownFile(), "66A.JPG");
}

TEST_F(PhotoDisplay, TheDetailsTextFollowsThePhotoOnTopicsOnly) {
    choose("mnuSpecialty", 1);  // Early Vantrel Prototypes
    Click(control("cmdStats"));
    ASSERT_TRUE(details()->isVisible());
    EXPECT_EQ(details()->toPlainText(), QStringLiteral("Details of pt002"));
    stepForward();
    EXPECT_EQ(details()->toPlainText(), QStringLiteral("Details of pt004"));
    stepForward();
    EXPECT_EQ(details()->toPlainText(), QStringLiteral("Details of pt006"));
    stepBack();
    EXPECT_EQ(details()->toPlainText(), QStringLiteral("Details of pt004"));
    EXPECT_EQ(details()->geometry().right(), control("cmdAd")->geometry().right() - 10);
    // A click on the text closes it.
    Click(details()->viewport());
    EXPECT_FALSE(details()->isVisible());

    // A missing details text fails the step with its code.
    choose("mnuStuff", 1);  // The Danbury Mint
    std::filesystem::remove(harness.disc.path() + "/RichText/tdm004.rtf");
    Click(control("cmdStats"));
    ASSERT_TRUE(details()->isVisible());
    stepForward();
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER012");
}

TEST_F(PhotoDisplay, OnAModelYearTheDetailsTextStaysAsItIs) {
    pick(3);
    details()->setPlainText(QStringLiteral("kept"));
    details()->show();
    stepForward();
    EXPECT_EQ(details()->toPlainText(), QStringLiteral("kept"));
}

TEST_F(PhotoDisplay, TheFileNameBoxFollowsThePhoto) {
    QAction* names = form->menuEntry("mnuNames");
    auto* box = control<QLineEdit>("txtFile");
    names->setEnabled(true);  // reached before any pick, the entry does nothing
    choose("mnuNames");
    EXPECT_FALSE(box->isVisible());
    pick(3);
    choose("mnuNames");
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("66A.JPG"));
    EXPECT_EQ(names->text(), QStringLiteral("Hide File &Names"));
    stepForward();
    EXPECT_EQ(box->text(), QStringLiteral("66B.JPG"));
    pick(1);
    EXPECT_EQ(box->text(), QStringLiteral("64A.JPG"));
    Click(box);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(names->text(), QStringLiteral("Show File &Names"));
    stepForward();
    EXPECT_FALSE(box->isVisible());
}

TEST_F(PhotoDisplay, TheRightButtonMakesTheScreenSaverFolder) {
    pick(3);
    clickPhoto(Qt::RightButton);
    EXPECT_TRUE(std::filesystem::is_directory(harness.program.path() + "/ssvantrels"));
    clickPhoto(Qt::RightButton);  // it exists already: nothing is said
    EXPECT_EQ(boxes(), 0u);
    EXPECT_EQ(caption(), "1966");
}

TEST_F(PhotoDisplay, ThePhotoFitsWithoutDistortion) {
    testing::WriteJpeg(harness.disc, "/vantrels/67A.JPG", QSize(1600, 1200));
    program().BuildPhotoList();
    pick(4);
    const QRect picture = photo()->pictureRect();
    EXPECT_TRUE(photo()->rect().contains(picture));
    EXPECT_EQ(picture.height(), photo()->height());
    EXPECT_NEAR(double(picture.width()) / picture.height(), 4.0 / 3.0, 0.01);
    EXPECT_EQ(photo()->image().height(), photo()->height());  // decoded to fit
}

}  // namespace
}  // namespace velocarta
