#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <filesystem>

#include "browser/photo_view.h"
#include "reading/txt_form.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"

namespace velocarta {
namespace {

using testing::ShellHarness;

class YearTextButtons : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"64A", "66A", "A0A", "K3A", "TDM002", "TDM004", "TDM006", "TDM008",
                                 "TDM010", "TDM012", "DRA"}) {
            testing::WriteJpeg(harness.disc, std::string("/vantrels/") + name + ".JPG");
        }
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }
    // Opens what a button opens and returns the viewer's caption and text; "" and the
    // reported code when it did not open.
    std::pair<std::string, std::string> press(QPushButton* button) {
        button->click();
        txtForm* viewer = harness.module->viewer();
        if (viewer == nullptr) {
            return {"", harness.prompter.shown().empty()
                            ? std::string("nothing")
                            : harness.prompter.last().text.substr(14, 5)};
        }
        std::pair<std::string, std::string> result{viewer->windowTitle().toStdString(),
                                                   viewer->rtbText->toPlainText().toStdString()};
        viewer->SSCommand1->click();
        return result;
    }
    void write(const std::string& rel) { testing::WriteRtf(harness.disc, rel, rel); }

    ShellHarness harness;
    Form1* form = nullptr;
};

TEST_F(YearTextButtons, ModelYearsAnd2000) {
    // Names on the disc in any letter case.
    write("/RICHTEXT/66DESC.RTF");
    write("/RICHTEXT/66engines.rtf");
    write("/RICHTEXT/66Colors.rtf");
    write("/RICHTEXT/66opts.rtf");
    write("/RICHTEXT/A0DESC.RTF");
    write("/RICHTEXT/a0engines.rtf");
    write("/RICHTEXT/a0colors.rtf");
    write("/RICHTEXT/A0OPTS.rtf");
    form->cmdYR[3]->click();
    using Opened = std::pair<std::string, std::string>;
    EXPECT_EQ(press(form->cmdDesc),
              Opened("The Vantrel Velocarta       1966 Description", "/RICHTEXT/66DESC.RTF"));
    EXPECT_EQ(press(form->cmdStats).first, "The Vantrel Velocarta       1966 Engines");
    EXPECT_EQ(press(form->cmdColors).first, "The Vantrel Velocarta       1966 Colors");
    EXPECT_EQ(press(form->cmdOptions).second, "/RICHTEXT/66opts.rtf");
    // The viewer loads the name the check found on the disc.
    EXPECT_EQ(harness.module->state.documentPath.rel, "/RichText/66opts.rtf");
    form->cmdYR[37]->click();
    EXPECT_EQ(press(form->cmdDesc).first, "The Vantrel Velocarta     2000 Description");
    EXPECT_EQ(press(form->cmdStats).first, "The Vantrel Velocarta     2000 Statistics");
    EXPECT_EQ(press(form->cmdColors).first, "The Vantrel Velocarta     2000 Colors");
    EXPECT_EQ(press(form->cmdOptions).second, "/RICHTEXT/A0OPTS.rtf");
    EXPECT_TRUE(harness.prompter.shown().empty());
}

TEST_F(YearTextButtons, MissingTextsReportTheirCodes) {
    form->cmdYR[1]->click();
    EXPECT_EQ(press(form->cmdDesc).second, "ER002");
    EXPECT_EQ(press(form->cmdStats).second, "ER027");
    EXPECT_EQ(press(form->cmdColors).second, "ER029");
    EXPECT_EQ(press(form->cmdOptions).second, "ER026");
}

TEST_F(YearTextButtons, BeforeAnyPickOnlyDescriptionOpensTheIntroduction) {
    write("/richtext/intro.rtf");
    EXPECT_EQ(press(form->cmdDesc).first, "The Vantrel Velocarta       Introduction");
    EXPECT_EQ(press(form->cmdStats).second, "nothing");
    EXPECT_EQ(press(form->cmdColors).second, "nothing");
    EXPECT_EQ(press(form->cmdOptions).second, "nothing");
}

TEST_F(YearTextButtons, EditionsOpenTheirFixedDocuments) {
    write("/richtext/k3desc.rtf");
    write("/richtext/k3stats.rtf");
    write("/RichText/drcolors.rtf");
    write("/RichText/dropts.rtf");
    form->mnuSpecialty_Click(3);
    EXPECT_EQ(press(form->cmdDesc).first, "The Vantrel Velocarta       Vantrel Kite III ");
    EXPECT_EQ(press(form->cmdStats).first,
              "The Vantrel Velocarta       Vantrel Kite III  Specifications");
    form->mnuSpecialty_Click(0);
    EXPECT_EQ(press(form->cmdColors).first,
              "The Vantrel Velocarta       The Classic Dorran  Colors");
    EXPECT_EQ(press(form->cmdOptions).first,
              "The Vantrel Velocarta       The Classic Dorran  Options");
}

TEST_F(YearTextButtons, DetailsOfAPhotoLieOverThePhotoAndToggle) {
    write("/richtext/tdm008.rtf");
    write("/richtext/tdm012.rtf");
    form->mnuStuff_Click(1);  // Danbury models
    for (int step = 0; step < 3; ++step) {
        form->NextPhoto();
    }
    ASSERT_EQ(form->panPhoto->text(), QStringLiteral("4"));
    form->cmdStats->click();
    EXPECT_TRUE(form->rtbDetails->isVisible());
    EXPECT_EQ(form->rtbDetails->toPlainText(), QStringLiteral("/richtext/tdm008.rtf"));
    EXPECT_EQ(form->rtbDetails->size(), QSize(329, 106));
    EXPECT_EQ(form->rtbDetails->geometry().right(), form->cmdAd->geometry().right() - 10);
    EXPECT_EQ(form->rtbDetails->y(), form->Image4->y() + 9);
    EXPECT_EQ(harness.module->viewer(), nullptr);
    form->cmdStats->click();
    EXPECT_FALSE(form->rtbDetails->isVisible());
    // Photo 6 reads tdm012; the text follows the steps while it is open.
    form->cmdStats->click();
    form->NextPhoto();
    form->NextPhoto();
    EXPECT_EQ(form->panPhoto->text(), QStringLiteral("6"));
    EXPECT_EQ(form->rtbDetails->toPlainText(), QStringLiteral("/richtext/tdm012.rtf"));
    // A click on the box hides it.
    form->rtbDetails_Click();
    EXPECT_FALSE(form->rtbDetails->isVisible());
    // Photo 1's text is missing: the Engines code.
    form->NextPhoto();
    form->cmdStats->click();
    EXPECT_FALSE(form->rtbDetails->isVisible());
    EXPECT_EQ(harness.prompter.last().text.substr(14, 5), "ER027");
}

}  // namespace
}  // namespace velocarta
