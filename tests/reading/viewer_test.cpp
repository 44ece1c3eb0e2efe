#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "reading/documents.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::Find;
using testing::ShellHarness;

class Viewer : public ::testing::Test {
  protected:
    void SetUp() override {
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }
    // The viewer window while it is shown, nullptr otherwise.
    QWidget* viewer() { return testing::ShownWindow(QStringLiteral("txtForm")); }
    QString viewerText() { return Find<QTextBrowser>(viewer(), "rtbText")->toPlainText(); }
    void closeViewer() { Click(Find(viewer(), "SSCommand1")); }
    void choose(const std::string& menu, int index = -1) {
        testing::ChooseMenuEntry(*form, form->menuEntry(menu, index));
    }
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
        choose(std::string(entry.menu), entry.index);
        ASSERT_NE(viewer(), nullptr) << entry.document;
        EXPECT_TRUE(viewer()->isModal());
        EXPECT_EQ(viewer()->windowTitle().toStdString(), entry.caption);
        EXPECT_EQ(viewerText().toStdString(), text);
        closeViewer();
        EXPECT_EQ(viewer(), nullptr);
    }
    EXPECT_TRUE(harness.prompter.shown().empty());
}

TEST_F(Viewer, AMissingDocumentReportsItsCodeAndNoViewerOpens) {
    for (const DocumentEntry& entry : DocumentEntries()) {
        choose(std::string(entry.menu), entry.index);
        EXPECT_EQ(viewer(), nullptr) << entry.document;
        ASSERT_FALSE(harness.prompter.shown().empty());
        EXPECT_EQ(harness.prompter.last().text.substr(14, 5), entry.errorCode);
        EXPECT_EQ(harness.prompter.last().icon, Icon::Critical);
    }
}

TEST_F(Viewer, EachDocumentTakesItsOwnCaption) {
    writeDocument("/RichText/books.rtf", "Books");
    writeDocument("/richtext/magvm.rtf", "Monthly");
    choose("mnuBooks");
    closeViewer();
    choose("mnuMag", 2);
    EXPECT_EQ(viewer()->windowTitle(), QStringLiteral("The Vantrel Velocarta       Magazines"));
    EXPECT_EQ(viewerText(), QStringLiteral("Monthly"));
    // A failed load leaves no viewer behind to keep an old caption.
    harness.disc.writeFile("/RichText/intro.rtf", "");
    closeViewer();
    choose("mnuIntro");
    EXPECT_EQ(viewer(), nullptr);
    EXPECT_EQ(harness.prompter.last().text.substr(14, 5), "ER007");
}

TEST_F(Viewer, ClosingHandsTheFocusToTheNextYearButton) {
    writeDocument("/richtext/notice.rtf", "Notice");
    for (const auto& [index, focus] : {std::pair{37, 1}, std::pair{5, 6}, std::pair{0, 1}}) {
        harness.state->onShow.setYearButtonIndex(index);
        choose("mnuNotice");
        form->setEnabled(false);
        QTest::keyClick(viewer(), Qt::Key_Escape);  // the close box does the same
        EXPECT_EQ(viewer(), nullptr);
        EXPECT_TRUE(form->isEnabled());
        EXPECT_EQ(form->focusWidget(), testing::YearButton(*form, focus)) << index;
    }
}

TEST_F(Viewer, PrintSendsTheWholeDocumentWithOneInchMarginsAsOneJob) {
    writeDocument("/richtext/credits.rtf", "Credits");
    choose("mnuCredits");
    Click(Find(viewer(), "cmdPrint"));
    using testing::PrintStep;
    const std::vector<PrintStep> expected{
        PrintStep::begin("The Vantrel Velocarta       Credits"),
        PrintStep::richText("Credits", Margins{1440, 1440, 1440, 1440}), PrintStep::end()};
    EXPECT_EQ(harness.printer.steps, expected);
    EXPECT_EQ(harness.printer.steps[1].document,
              Find<QTextBrowser>(viewer(), "rtbText")->document());
    EXPECT_FALSE(harness.printer.isJobOpen());
    EXPECT_TRUE(harness.prompter.shown().empty());  // a printer took it: nothing to say
    EXPECT_NE(viewer(), nullptr);
}

TEST_F(Viewer, PrintingToAFileSaysWhereAndFailuresAreReported) {
    writeDocument("/richtext/credits.rtf", "Credits");
    choose("mnuCredits");
    harness.printer.job = {1, "", "/home/vantreler/Documents/Credits.pdf"};
    Click(Find(viewer(), "cmdPrint"));
    ASSERT_EQ(harness.prompter.shown().size(), 1u);
    EXPECT_NE(harness.prompter.last().text.find("/home/vantreler/Documents/Credits.pdf"),
              std::string::npos);
    harness.printer.failWith = "The printer Vantrel LaserJet cannot print now.";
    Click(Find(viewer(), "cmdPrint"));
    ASSERT_EQ(harness.prompter.shown().size(), 2u);
    EXPECT_EQ(harness.prompter.last().text,
              "Unable to print the document.\r\n\r\nThe printer Vantrel LaserJet cannot print "
              "now.");
    EXPECT_EQ(harness.prompter.last().icon, Icon::Exclamation);
    EXPECT_FALSE(harness.printer.isJobOpen());
    EXPECT_NE(viewer(), nullptr);
    EXPECT_FALSE(harness.state->ended());
}

TEST_F(Viewer, ANewYearOnShowClosesTheViewer) {
    writeDocument("/richtext/notice.rtf", "Notice");
    choose("mnuNotice");
    ASSERT_NE(viewer(), nullptr);
    // What the main window does when the slide show hands it a photo.
    harness.state->onShow.refreshed();
    EXPECT_EQ(viewer(), nullptr);
}

}  // namespace
}  // namespace velocarta
