// The four year-text buttons and the Details box, with real clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>

#include "program/spin_button.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::Find;
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
    std::pair<std::string, std::string> press(const char* button) {
        const std::size_t before = harness.prompter.shown().size();
        Click(control(button));
        QWidget* viewer = testing::ShownWindow(QStringLiteral("txtForm"));
        if (viewer == nullptr) {
            return {"", harness.prompter.shown().size() == before
                            ? std::string("nothing")
                            : harness.prompter.last().text.substr(14, 5)};
        }
        std::pair<std::string, std::string> result{
            viewer->windowTitle().toStdString(),
            Find<QTextBrowser>(viewer, "rtbText")->toPlainText().toStdString()};
        Click(Find(viewer, "SSCommand1"));
        return result;
    }
    QWidget* control(const char* name) { return Find(form, name); }
    QTextBrowser* details() { return Find<QTextBrowser>(form, "rtbDetails"); }
    void pick(int index) { Click(testing::YearButton(*form, index)); }
    void stepForward() { Click(Find<SpinButton>(form, "SpinButton1")->upButton()); }
    void choose(const char* menu, int index) {
        testing::ChooseMenuEntry(*form, form->menuEntry(menu, index));
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
    pick(3);
    using Opened = std::pair<std::string, std::string>;
    EXPECT_EQ(press("cmdDesc"),
              Opened("The Vantrel Velocarta       1966 Description", "/RICHTEXT/66DESC.RTF"));
    EXPECT_EQ(press("cmdStats").first, "The Vantrel Velocarta       1966 Engines");
    EXPECT_EQ(press("cmdColors").first, "The Vantrel Velocarta       1966 Colors");
    // The viewer loads the name the check found on the disc.
    EXPECT_EQ(press("cmdOptions").second, "/RICHTEXT/66opts.rtf");
    pick(37);
    EXPECT_EQ(press("cmdDesc").first, "The Vantrel Velocarta     2000 Description");
    EXPECT_EQ(press("cmdStats").first, "The Vantrel Velocarta     2000 Statistics");
    EXPECT_EQ(press("cmdColors").first, "The Vantrel Velocarta     2000 Colors");
    EXPECT_EQ(press("cmdOptions").second, "/RICHTEXT/A0OPTS.rtf");
    EXPECT_TRUE(harness.prompter.shown().empty());
}

TEST_F(YearTextButtons, MissingTextsReportTheirCodes) {
    pick(1);
    EXPECT_EQ(press("cmdDesc").second, "ER002");
    EXPECT_EQ(press("cmdStats").second, "ER027");
    EXPECT_EQ(press("cmdColors").second, "ER029");
    EXPECT_EQ(press("cmdOptions").second, "ER026");
}

TEST_F(YearTextButtons, BeforeAnyPickOnlyDescriptionOpensTheIntroduction) {
    write("/richtext/intro.rtf");
    EXPECT_EQ(press("cmdDesc").first, "The Vantrel Velocarta       Introduction");
    EXPECT_EQ(press("cmdStats").second, "nothing");
    EXPECT_EQ(press("cmdColors").second, "nothing");
    EXPECT_EQ(press("cmdOptions").second, "nothing");
}

TEST_F(YearTextButtons, EditionsOpenTheirFixedDocuments) {
    write("/richtext/k3desc.rtf");
    write("/richtext/k3stats.rtf");
    write("/RichText/drcolors.rtf");
    write("/RichText/dropts.rtf");
    choose("mnuSpecialty", 3);
    EXPECT_EQ(press("cmdDesc").first, "The Vantrel Velocarta       Vantrel Kite III ");
    EXPECT_EQ(press("cmdStats").first,
              "The Vantrel Velocarta       Vantrel Kite III  Specifications");
    choose("mnuSpecialty", 0);
    EXPECT_EQ(press("cmdColors").first, "The Vantrel Velocarta       The Classic Dorran  Colors");
    EXPECT_EQ(press("cmdOptions").first, "The Vantrel Velocarta       The Classic Dorran  Options");
}

TEST_F(YearTextButtons, DetailsOfAPhotoLieOverThePhotoAndToggle) {
    write("/richtext/tdm008.rtf");
    write("/richtext/tdm012.rtf");
    choose("mnuStuff", 1);  // Danbury models
    for (int step = 0; step < 3; ++step) {
        stepForward();
    }
    ASSERT_EQ(Find<QLabel>(form, "panPhoto")->text(), QStringLiteral("4"));
    Click(control("cmdStats"));
    EXPECT_TRUE(details()->isVisible());
    EXPECT_EQ(details()->toPlainText(), QStringLiteral("/richtext/tdm008.rtf"));
    EXPECT_EQ(details()->size(), QSize(329, 106));
    EXPECT_EQ(details()->geometry().right(), control("cmdAd")->geometry().right() - 10);
    EXPECT_EQ(details()->y(), control("Image4")->y() + 9);
    EXPECT_EQ(testing::ShownWindow(QStringLiteral("txtForm")), nullptr);
    Click(control("cmdStats"));
    EXPECT_FALSE(details()->isVisible());
    // Photo 6 reads tdm012; the text follows the steps while it is open.
    Click(control("cmdStats"));
    stepForward();
    stepForward();
    EXPECT_EQ(Find<QLabel>(form, "panPhoto")->text(), QStringLiteral("6"));
    EXPECT_EQ(details()->toPlainText(), QStringLiteral("/richtext/tdm012.rtf"));
    // A click on the box hides it.
    Click(details()->viewport());
    EXPECT_FALSE(details()->isVisible());
    // Photo 1's text is missing: the Engines code.
    stepForward();
    Click(control("cmdStats"));
    EXPECT_FALSE(details()->isVisible());
    EXPECT_EQ(harness.prompter.last().text.substr(14, 5), "ER027");
}

}  // namespace
}  // namespace velocarta
