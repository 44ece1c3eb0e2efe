#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "reading/documents.h"
#include "reading/txt_form.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"

namespace velocarta {
namespace {

using testing::ShellHarness;

class Viewer : public ::testing::Test {
  protected:
    void SetUp() override {
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }
    txtForm* viewer() { return harness.module->viewer(); }
    void writeDocument(const std::string& rel, const std::string& text) {
        testing::WriteRtf(harness.disc, rel, text);
    }

    ShellHarness harness;
    Form1* form = nullptr;
};

TEST_F(Viewer, EveryDocumentEntryOpensItsDocumentUnderItsCaption) {
    for (const DocumentEntry& entry : DocumentEntries()) {
        const std::string text = "Text of " + std::string(entry.document);
        writeDocument(std::string(entry.document), text);
        form->menuEntry(std::string(entry.menu), entry.index)->trigger();
        ASSERT_NE(viewer(), nullptr) << entry.document;
        EXPECT_TRUE(viewer()->isVisible());
        EXPECT_TRUE(viewer()->isModal());
        EXPECT_EQ(viewer()->windowTitle().toStdString(), entry.caption);
        EXPECT_EQ(viewer()->rtbText->toPlainText().toStdString(), text);
        EXPECT_EQ(harness.module->state.documentPath.full(),
                  harness.disc.path() + std::string(entry.document));
        viewer()->SSCommand1->click();
        EXPECT_EQ(viewer(), nullptr);
    }
    EXPECT_TRUE(harness.prompter.shown().empty());
}

TEST_F(Viewer, AMissingDocumentReportsItsCodeAndNoViewerOpens) {
    for (const DocumentEntry& entry : DocumentEntries()) {
        form->menuEntry(std::string(entry.menu), entry.index)->trigger();
        EXPECT_EQ(viewer(), nullptr) << entry.document;
        ASSERT_FALSE(harness.prompter.shown().empty());
        EXPECT_EQ(harness.prompter.last().text.substr(14, 5), entry.errorCode);
        EXPECT_EQ(harness.prompter.last().icon, Icon::Critical);
    }
}

TEST_F(Viewer, EachDocumentTakesItsOwnCaption) {
    writeDocument("/RichText/books.rtf", "Books");
    writeDocument("/richtext/magvm.rtf", "Monthly");
    form->menuEntry("mnuBooks")->trigger();
    viewer()->SSCommand1->click();
    form->menuEntry("mnuMag", 2)->trigger();
    EXPECT_EQ(viewer()->windowTitle(), QStringLiteral("The Vantrel Velocarta       Magazines"));
    EXPECT_EQ(viewer()->rtbText->toPlainText(), QStringLiteral("Monthly"));
    // A failed load leaves no viewer behind to keep an old caption.
    harness.disc.writeFile("/RichText/intro.rtf", "");
    viewer()->SSCommand1->click();
    form->menuEntry("mnuIntro")->trigger();
    EXPECT_EQ(viewer(), nullptr);
    EXPECT_EQ(harness.prompter.last().text.substr(14, 5), "ER007");
}

TEST_F(Viewer, ClosingHandsTheFocusToTheNextYearButton) {
    writeDocument("/richtext/notice.rtf", "Notice");
    for (const auto& [index, focus] : {std::pair{37, 1}, std::pair{5, 6}, std::pair{0, 1}}) {
        harness.module->state.yearButtonIndex = index;
        form->menuEntry("mnuNotice")->trigger();
        form->setEnabled(false);
        QTest::keyClick(viewer(), Qt::Key_Escape);  // the close box does the same
        EXPECT_EQ(viewer(), nullptr);
        EXPECT_TRUE(form->isEnabled());
        EXPECT_EQ(form->focusWidget(), form->cmdYR[focus]) << index;
    }
}

TEST_F(Viewer, PrintSendsTheWholeDocumentWithOneInchMarginsAsOneJob) {
    writeDocument("/richtext/credits.rtf", "Credits");
    form->menuEntry("mnuCredits")->trigger();
    viewer()->cmdPrint->click();
    using testing::PrintStep;
    const std::vector<PrintStep> expected{
        PrintStep::begin("The Vantrel Velocarta       Credits"),
        PrintStep::richText("Credits", Margins{1440, 1440, 1440, 1440}), PrintStep::end()};
    EXPECT_EQ(harness.printer.steps, expected);
    EXPECT_EQ(harness.printer.steps[1].document, viewer()->rtbText->document());
    EXPECT_FALSE(harness.printer.isJobOpen());
    EXPECT_TRUE(harness.prompter.shown().empty());  // a printer took it: nothing to say
    EXPECT_TRUE(viewer()->isVisible());
}

TEST_F(Viewer, PrintingToAFileSaysWhereAndFailuresAreReported) {
    writeDocument("/richtext/credits.rtf", "Credits");
    form->menuEntry("mnuCredits")->trigger();
    harness.printer.job = {1, "", "/home/vantreler/Documents/Credits.pdf"};
    viewer()->cmdPrint->click();
    ASSERT_EQ(harness.prompter.shown().size(), 1u);
    EXPECT_NE(harness.prompter.last().text.find("/home/vantreler/Documents/Credits.pdf"),
              std::string::npos);
    harness.printer.failWith = "The printer Vantrel LaserJet cannot print now.";
    viewer()->cmdPrint->click();
    ASSERT_EQ(harness.prompter.shown().size(), 2u);
    EXPECT_EQ(harness.prompter.last().text,
              "Unable to print the document.\r\n\r\nThe printer Vantrel LaserJet cannot print "
              "now.");
    EXPECT_EQ(harness.prompter.last().icon, Icon::Exclamation);
    EXPECT_FALSE(harness.printer.isJobOpen());
    EXPECT_TRUE(viewer()->isVisible());
    EXPECT_FALSE(harness.module->ended());
}

TEST_F(Viewer, TopicMenusSelectTopicsInTheYearBrowser) {
    for (const char* name : {"TDM002", "TDM004", "PT002", "DRA", "VCK002"}) {
        testing::WriteJpeg(harness.disc, std::string("/vantrels/") + name + ".JPG");
    }
    form->Command1_Click();
    form->menuEntry("mnuStuff", 1)->trigger();
    EXPECT_EQ(form->panYear->text(), QStringLiteral("Danbury Mint Die Cast Models "));
    EXPECT_EQ(form->cmdStats->text(), QStringLiteral("Details"));
    EXPECT_FALSE(form->cmdOptions->isEnabled());
    EXPECT_EQ(harness.module->state.yearButtonIndex, 0);
    EXPECT_EQ(form->focusWidget(), form->cmdYR[1]);

    form->NextPhoto();
    form->menuEntry("mnuSpecialty", 1)->trigger();
    EXPECT_EQ(form->panYear->text(), QStringLiteral("Early Vantrel Prototypes "));
    EXPECT_EQ(form->panPhoto->text(), QStringLiteral("1"));
    EXPECT_EQ(harness.module->state.steps.photoIndex, 0);
    EXPECT_EQ(form->focusWidget(), form->cmdYR[1]);
    form->menuEntry("mnuSpecialty", 0)->trigger();
    EXPECT_EQ(form->panYear->text(), QStringLiteral("The Classic Dorran "));
    EXPECT_FALSE(form->cmdDesc->isEnabled());
    EXPECT_TRUE(harness.prompter.shown().empty());
}

}  // namespace
}  // namespace velocarta
