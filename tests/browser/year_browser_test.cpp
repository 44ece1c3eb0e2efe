#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "browser/photo_view.h"
#include "browser/spin_button.h"
#include "content/naming.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"

namespace velocarta {
namespace {

using testing::ShellHarness;

class YearBrowser : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"64A",    "64B",    "64C",    "65A",    "66A",   "66B",    "66C",
              "66D",    "99A",    "A0A",    "A0B",    "DRA",   "PT002",  "PT004",
              "PT006",  "TDM002", "TDM004", "VMS002", "ZZ002", "TEK002", "TFM002",
              "VCK002", "USA002", "K1002",  "K3A",    "VSA"}) {
            testing::WriteJpeg(harness.disc, std::string("/vantrels/") + name + ".JPG");
        }
        for (const char* name : {"pt002", "pt004", "pt006", "tdm002", "tdm004"}) {
            testing::WriteRtf(harness.disc, std::string("/RichText/") + name + ".rtf",
                              std::string("Details of ") + name);
        }
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }

    Module1& module() { return *harness.module; }
    ProgramState& state() { return harness.module->state; }
    std::string caption() { return form->panYear->text().toStdString(); }
    QWidget* focus() { return form->focusWidget(); }
    std::string photoNumber() { return form->panPhoto->text().toStdString(); }
    std::string shownFile() { return PhotoFileName(state().currentPhotoPath); }
    void clickPhoto(Qt::MouseButton button = Qt::LeftButton) { form->Image4_MouseDown(button); }
    void setTopic(const char* topicCaption) {
        form->panYear->setText(QString::fromUtf8(topicCaption));
    }
    std::size_t boxes() { return harness.prompter.shown().size(); }

    ShellHarness harness;
    Form1* form = nullptr;
};

TEST_F(YearBrowser, AYearButtonShowsTheYearAndFocusesTheNextYear) {
    form->cmdYR[3]->click();
    EXPECT_EQ(caption(), "1966");
    EXPECT_EQ(shownFile(), "66A.JPG");
    EXPECT_TRUE(form->Image4->isVisible());
    EXPECT_TRUE(form->Image4->hasImage());
    EXPECT_EQ(photoNumber(), "1");
    EXPECT_EQ(focus(), form->cmdYR[4]);
    EXPECT_EQ(state().yearButtonIndex, 3);
    EXPECT_EQ(state().yearCode, "66");
    EXPECT_TRUE(state().yearPicked);
    EXPECT_EQ(state().steps, (StepState{0, state().photos.firstIndexOf("66"), true, false, false}));
    EXPECT_TRUE(form->menuEntry("mnuNames")->isEnabled());
    EXPECT_TRUE(form->SpinButton1->isVisible());
    EXPECT_TRUE(form->panYear->isVisible());
    EXPECT_EQ(form->cmdStats->text(), QStringLiteral("Engines"));
    EXPECT_EQ(harness.screen.pointers,
              (std::vector<Pointer>{Pointer::Hourglass, Pointer::Default, Pointer::Hourglass,
                                    Pointer::Default}));
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(YearBrowser, TheLastButtonsHandTheFocusOn) {
    form->cmdYR[37]->click();
    EXPECT_EQ(caption(), "2000");
    EXPECT_EQ(shownFile(), "A0A.JPG");  // 2000's photos follow 1999's
    EXPECT_EQ(focus(), form->cmdYR[1]);
    form->cmdYR[36]->click();
    EXPECT_EQ(caption(), "1999");
    EXPECT_EQ(focus(), form->cmdYR[37]);
}

TEST_F(YearBrowser, AYearWithoutPhotosSaysSoAndHidesThePhoto) {
    form->cmdYR[7]->click();  // 1970
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(harness.prompter.last().text.substr(0, 19), "Error number: ER023");
    EXPECT_FALSE(form->Image4->isVisible());
    EXPECT_EQ(focus(), form->cmdYR[8]);
    // Steps on it find nothing and change nothing.
    form->NextPhoto();
    form->PreviousPhoto();
    EXPECT_EQ(boxes(), 1u);
    form->cmdYR[3]->click();
    EXPECT_TRUE(form->Image4->isVisible());
}

TEST_F(YearBrowser, SpaceOnAYearButtonPicksOnlyBeforeTheFirstPick) {
    form->cmdYR[2]->setFocus();
    QTest::keyClick(form->cmdYR[2], Qt::Key_Space);
    EXPECT_EQ(caption(), "1965");
    EXPECT_EQ(focus(), form->cmdYR[3]);
    // Once a year was picked, the key itself does nothing more.
    form->cmdYR_KeyDown(5, 32, 0);
    EXPECT_EQ(caption(), "1965");
    form->cmdYR_KeyDown(5, 65, 0);
    EXPECT_EQ(caption(), "1965");
}

TEST_F(YearBrowser, CommaAndPeriodStepThePhotosOfTheYearOnShow) {
    form->cmdYR[3]->click();
    QTest::keyClick(form->cmdYR[4], Qt::Key_Period);
    EXPECT_EQ(shownFile(), "66B.JPG");
    EXPECT_EQ(photoNumber(), "2");
    EXPECT_EQ(caption(), "1966");
    EXPECT_EQ(focus(), form->cmdYR[4]);
    QTest::keyClick(form->cmdYR[4], Qt::Key_Comma);
    EXPECT_EQ(shownFile(), "66A.JPG");
    EXPECT_EQ(photoNumber(), "1");
    QTest::keyClick(form->cmdYR[4], Qt::Key_Comma);
    EXPECT_EQ(shownFile(), "66D.JPG");
    EXPECT_EQ(photoNumber(), "4");
}

TEST_F(YearBrowser, TheSpinButtonStepsAndWraps) {
    form->cmdYR[3]->click();
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) {
        form->SpinButton1->spinUp();
        shown.push_back(shownFile());
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"66B.JPG", "66C.JPG", "66D.JPG", "66A.JPG", "66B.JPG"}));
    emit form->SpinButton1->spinDown();
    EXPECT_EQ(shownFile(), "66A.JPG");
    EXPECT_EQ(state().steps.lastPhotoIndex, state().photos.firstIndexOf("66"));
    // One photo: the step shows it again.
    form->cmdYR[2]->click();
    form->NextPhoto();
    EXPECT_EQ(shownFile(), "65A.JPG");
    EXPECT_EQ(focus(), form->cmdYR[3]);
}

TEST_F(YearBrowser, StepsBeforeAnyPickOnlyFocusTheFirstButton) {
    form->cmdYR[1]->setEnabled(false);
    form->NextPhoto();
    EXPECT_TRUE(form->cmdYR[1]->isEnabled());
    EXPECT_EQ(focus(), form->cmdYR[1]);
    form->PreviousPhoto();
    EXPECT_EQ(caption(), "panYear");
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(YearBrowser, ABrokenPhotoIsReportedAndTheProgramGoesOn) {
    harness.disc.writeFile("/vantrels/66B.JPG", "damaged on the disc");
    form->cmdYR[3]->click();
    form->NextPhoto();
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(harness.prompter.last().text.substr(0, 19), "Error number: ER012");
    form->NextPhoto();
    EXPECT_EQ(shownFile(), "66C.JPG");
    form->cmdYR[5]->setFocus();
    form->PreviousPhoto();
    ASSERT_EQ(boxes(), 2u);
    EXPECT_EQ(harness.prompter.last().text.substr(0, 19), "Error number: ER011");
    EXPECT_EQ(focus(), form->cmdYR[4]);  // the backward step still moves the focus
    // The next backward step goes on past the broken photo.
    form->PreviousPhoto();
    EXPECT_EQ(shownFile(), "66A.JPG");
}

TEST_F(YearBrowser, PhotoClicksCycleThroughYearsEditionsAndTopics) {
    clickPhoto();
    EXPECT_EQ(caption(), "1964");
    EXPECT_EQ(focus(), form->cmdYR[2]);
    form->cmdYR[37]->click();
    clickPhoto(Qt::MiddleButton);
    EXPECT_EQ(caption(), "Early Vantrel Prototypes ");
    EXPECT_EQ(state().yearButtonIndex, 37);
    EXPECT_EQ(focus(), form->cmdYR[1]);
    EXPECT_EQ(form->cmdStats->text(), QStringLiteral("Details"));
    EXPECT_EQ(shownFile(), "PT002.JPG");
    std::vector<std::string> captions;
    for (int click = 0; click < 11; ++click) {
        clickPhoto();
        captions.push_back(caption());
    }
    EXPECT_EQ(captions.back(), "1964 ");
    EXPECT_EQ(captions[5], "Franklin Mint Die Cast Models ");  // shown as a details topic
    EXPECT_EQ(shownFile(), "64A.JPG");
    EXPECT_EQ(focus(), form->cmdYR[2]);
    clickPhoto();
    EXPECT_EQ(caption(), "1965");
    EXPECT_EQ(state().yearButtonIndex, 2);
}

TEST_F(YearBrowser, ThePhotoClickAfterTheDorranShows1964) {
    setTopic("The Classic Dorran ");
    module().ChooseYear();
    EXPECT_FALSE(form->cmdDesc->isEnabled());
    EXPECT_FALSE(form->cmdNostalgia->isEnabled());
    EXPECT_TRUE(form->cmdOptions->isEnabled());
    clickPhoto();
    EXPECT_EQ(caption(), "1964");
    EXPECT_TRUE(form->cmdDesc->isEnabled());
}

TEST_F(YearBrowser, TheFirstClickOnTheBareWindowShows1964Once) {
    QTest::mouseClick(form->centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(caption(), "1964");
    EXPECT_FALSE(form->cmdYR[1]->isEnabled());
    EXPECT_EQ(focus(), form->cmdYR[2]);
    EXPECT_EQ(state().yearButtonIndex, 1);
    EXPECT_FALSE(state().startupPending);
    EXPECT_FALSE(state().yearPicked);
    form->cmdYR[3]->click();
    QTest::mouseClick(form->centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(caption(), "1966");
    EXPECT_TRUE(form->cmdYR[1]->isEnabled());  // the next pick enabled it again
}

TEST_F(YearBrowser, DetailsTopicsHaveTheirDetailsButton) {
    setTopic("Vantrel Cookies ");
    form->ShowDetailsTopic();
    EXPECT_EQ(shownFile(), "VCK002.JPG");
    EXPECT_EQ(form->cmdStats->text(), QStringLiteral("Details"));
    for (QPushButton* off : {form->cmdOptions, form->cmdColors, form->cmdScript, form->cmdEmblem,
                             form->cmdAd, form->cmdNostalgia}) {
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    }
    EXPECT_EQ(state().yearButtonIndex, 0);
    EXPECT_EQ(focus(), form->cmdYR[1]);
    EXPECT_EQ(photoNumber(), "1");
}

TEST_F(YearBrowser, TheDetailsTextFollowsThePhotoOnTopicsOnly) {
    setTopic("Early Vantrel Prototypes ");
    form->ShowDetailsTopic();
    form->rtbDetails->show();
    form->NextPhoto();
    EXPECT_EQ(form->rtbDetails->toPlainText(), QStringLiteral("Details of pt004"));
    EXPECT_EQ(state().documentPath.rel, "/richtext/pt004.rtf");
    form->NextPhoto();
    EXPECT_EQ(form->rtbDetails->toPlainText(), QStringLiteral("Details of pt006"));
    form->PreviousPhoto();
    EXPECT_EQ(form->rtbDetails->toPlainText(), QStringLiteral("Details of pt004"));
    EXPECT_EQ(form->rtbDetails->geometry().right() + 1, form->cmdAd->geometry().right() + 1 - 10);
    // A missing details text fails the step with its code.
    setTopic("Danbury Mint Die Cast Models ");
    form->ShowDetailsTopic();
    std::filesystem::remove(harness.disc.path() + "/RichText/tdm004.rtf");
    form->rtbDetails->show();
    form->NextPhoto();
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(harness.prompter.last().text.substr(0, 19), "Error number: ER012");
    // On a model year the text stays as it is.
    form->cmdYR[3]->click();
    form->rtbDetails->setPlainText(QStringLiteral("kept"));
    form->rtbDetails->show();
    form->NextPhoto();
    EXPECT_EQ(form->rtbDetails->toPlainText(), QStringLiteral("kept"));
}

TEST_F(YearBrowser, TheFileNameBoxFollowsThePhoto) {
    QAction* names = form->menuEntry("mnuNames");
    form->mnuNames_Click();
    EXPECT_FALSE(form->txtFile->isVisible());  // nothing picked yet
    form->cmdYR[3]->click();
    names->trigger();
    EXPECT_TRUE(form->txtFile->isVisible());
    EXPECT_EQ(form->txtFile->text(), QStringLiteral("66A.JPG"));
    EXPECT_EQ(names->text(), QStringLiteral("Hide File &Names"));
    form->NextPhoto();
    EXPECT_EQ(form->txtFile->text(), QStringLiteral("66B.JPG"));
    form->cmdYR[1]->click();
    EXPECT_EQ(form->txtFile->text(), QStringLiteral("64A.JPG"));
    QTest::mouseClick(form->txtFile, Qt::LeftButton);
    EXPECT_FALSE(form->txtFile->isVisible());
    EXPECT_EQ(names->text(), QStringLiteral("Show File &Names"));
    EXPECT_FALSE(state().showFileNames);
}

TEST_F(YearBrowser, TheRightButtonMakesTheScreenSaverFolder) {
    form->cmdYR[3]->click();
    clickPhoto(Qt::RightButton);
    EXPECT_TRUE(std::filesystem::is_directory(harness.program.path() + "/ssvantrels"));
    clickPhoto(Qt::RightButton);  // it exists already: nothing is said
    EXPECT_EQ(boxes(), 0u);
    EXPECT_EQ(caption(), "1966");
}

TEST_F(YearBrowser, TheSlideShowRefreshAndLoadArray) {
    form->cmdYR[3]->click();
    form->Image4->hide();
    state().slideShowDirty = true;
    form->Form_LostFocus();
    EXPECT_FALSE(state().slideShowDirty);
    EXPECT_TRUE(form->Image4->isVisible());
    testing::WriteJpeg(harness.disc, "/vantrels/70A.JPG");
    const int before = state().photos.count();
    form->Command1_Click();
    EXPECT_EQ(state().photos.count(), before + 1);
}

TEST_F(YearBrowser, ThePhotoFitsWithoutDistortion) {
    testing::WriteJpeg(harness.disc, "/vantrels/67A.JPG", QSize(1600, 1200));
    form->Command1_Click();
    form->cmdYR[4]->click();
    const QRect picture = form->Image4->pictureRect();
    EXPECT_TRUE(form->Image4->rect().contains(picture));
    EXPECT_EQ(picture.height(), form->Image4->height());
    EXPECT_NEAR(double(picture.width()) / picture.height(), 4.0 / 3.0, 0.01);
    EXPECT_EQ(form->Image4->image().height(), form->Image4->height());  // decoded to fit
}

}  // namespace
}  // namespace velocarta
