// The booklet panel, driven by real clicks, printing on the printer double.
#include <QFile>
#include <QLabel>
#include <QTextBrowser>

#include "content/errors.h"
#include "printing/booklet.h"
#include "printing_fixture.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::PrintStep;

class Booklet : public testing::PrintingTest {
  protected:
    void SetUp() override {
        PrintingTest::SetUp();
        start();
        openBooklet();
    }
    std::string disc(const std::string& rel) { return harness.disc.path() + rel; }
    std::vector<PrintStep> cover() {
        return {PrintStep::picture(disc("/graphics/logo.jpg"), 1600, 1600),
                PrintStep::picture(disc("/graphics/66red.jpg"), 2600, 4300),
                PrintStep::picture(disc("/graphics/bklettxt.jpg"), 500, 8800),
                PrintStep::picture(disc("/graphics/kestrix3.jpg"), 2800, 12000),
                PrintStep::newPage()};
    }
    static PrintStep text(const std::string& plain) {
        return PrintStep::richText(plain, Margins{1440, 1440, 1440, 1440});
    }
    // The plain texts printed, in order.
    std::vector<std::string> printedTexts() {
        std::vector<std::string> texts;
        for (const PrintStep& step : harness.printer.stepsOf(PrintStep::Kind::RichText)) {
            texts.push_back(step.text);
        }
        return texts;
    }
    void expectBookletPrinted() {
        ASSERT_GE(boxes(), 1u);
        EXPECT_EQ(lastText(), "Booklet printed!\r\n");
        EXPECT_EQ(harness.prompter.last().icon, Icon::Exclamation);
        EXPECT_EQ(harness.prompter.last().buttons, Buttons::Ok);
        EXPECT_EQ(harness.prompter.last().title, "The Vantrel Velocarta");
        EXPECT_EQ(printButton()->text(), QStringLiteral("Print Again"));
        EXPECT_EQ(okButton()->text(), QStringLiteral("Exit"));
    }
    void expectReported(const char* code) {
        ASSERT_GE(boxes(), 1u);
        EXPECT_EQ(lastText(), ComposeErrorMessage(code));
        EXPECT_EQ(printButton()->text(), QStringLiteral("Print"));
        EXPECT_EQ(okButton()->text(), QStringLiteral("Cancel"));
        EXPECT_TRUE(panel()->isVisible());
        EXPECT_FALSE(harness.printer.isJobOpen());
        EXPECT_EQ(harness.screen.pointer(), Pointer::Default);
    }
};

TEST_F(Booklet, OpensOverThePhotoWithItsSectionsClearAndPrintOff) {
    ASSERT_TRUE(panel()->isVisible());
    const PanelPlace place = BookletPanelPlace(form->layout(), panel()->width());
    EXPECT_EQ(panel()->pos(), QPoint(place.left, place.top));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label3"))->text(),
              QStringLiteral("Print Vantrel Booklet"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label5"))->text(),
              QStringLiteral("Choose print range:"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label4"))->text(), QStringLiteral("From:"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label6"))->text(), QStringLiteral("To:"));
    for (int index = 0; index < kBookletSectionCount; ++index) {
        EXPECT_FALSE(section(index)->isChecked()) << index;
        EXPECT_EQ(section(index)->text().toStdString(), BookletSectionCaptions()[index]);
    }
    for (int list = 0; list < 2; ++list) {
        ASSERT_EQ(yearList(list)->count(), 37);
        EXPECT_EQ(yearList(list)->item(0)->text(), QStringLiteral("1964"));
        EXPECT_EQ(yearList(list)->item(35)->text(), QStringLiteral("1999"));
        EXPECT_EQ(yearList(list)->item(36)->text(), QStringLiteral("2000"));
    }
    EXPECT_FALSE(printButton()->isEnabled());
    EXPECT_EQ(printButton()->text(), QStringLiteral("Print"));
    EXPECT_EQ(okButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(QApplication::focusWidget(), okButton());

    // Each opening clears the sections again.
    check({0, 4});
    Click(okButton());
    EXPECT_FALSE(panel()->isVisible());
    openBooklet();
    EXPECT_FALSE(section(0)->isChecked());
    EXPECT_FALSE(section(4)->isChecked());
    EXPECT_FALSE(printButton()->isEnabled());
}

TEST_F(Booklet, PrintIsEnabledExactlyWhileASectionIsChecked) {
    for (int index = 0; index < kBookletSectionCount; ++index) {
        check({index});
        EXPECT_TRUE(printButton()->isEnabled()) << index;
        check({index});
        EXPECT_FALSE(printButton()->isEnabled()) << index;
    }
    check({2, 7});
    check({2});
    EXPECT_TRUE(printButton()->isEnabled());
    check({7});
    EXPECT_FALSE(printButton()->isEnabled());
}

TEST_F(Booklet, ACoverAloneIsOnePageSentAtOnceWithoutAYearRange) {
    check({0});
    print();
    std::vector<PrintStep> expected{PrintStep::begin("The Vantrel Velocarta Booklet")};
    for (const PrintStep& step : cover()) {
        expected.push_back(step);
    }
    expected.push_back(PrintStep::end());
    EXPECT_EQ(harness.printer.steps, expected);
    EXPECT_EQ(boxes(), 1u);
    expectBookletPrinted();
    EXPECT_EQ(harness.screen.pointer(), Pointer::Default);
}

TEST_F(Booklet, DescriptionsFrom1998To2000ComeInOrderEachFromANewPage) {
    check({3});
    selectYears(QStringLiteral("1998"), QStringLiteral("2000"));
    print();
    const std::vector<PrintStep> expected{PrintStep::begin("The Vantrel Velocarta Booklet"),
                                          text("Description of 1998"),
                                          PrintStep::newPage(),
                                          text("Description of 1999"),
                                          PrintStep::newPage(),
                                          text("Description of 2000"),
                                          PrintStep::newPage(),
                                          PrintStep::end()};
    EXPECT_EQ(harness.printer.steps, expected);
    expectBookletPrinted();
}

TEST_F(Booklet, TheCoverTheOverviewThenEachYearsDescriptionBeforeItsDetails) {
    check({0, 4, 1, 3});
    selectYears(QStringLiteral("1965"), QStringLiteral("1967"));
    print();
    std::vector<PrintStep> expected{PrintStep::begin("The Vantrel Velocarta Booklet")};
    for (const PrintStep& step : cover()) {
        expected.push_back(step);
    }
    for (const char* plain :
         {"Overview", "Description of 1965", "Details of 1965", "Description of 1966",
          "Details of 1966", "Description of 1967", "Details of 1967"}) {
        expected.push_back(text(plain));
        expected.push_back(PrintStep::newPage());
    }
    expected.push_back(PrintStep::end());
    EXPECT_EQ(harness.printer.steps, expected);
    // Each text lay in the panel's own hidden text box while it printed.
    EXPECT_EQ(harness.printer.steps[6].document,
              control<QTextBrowser>(QStringLiteral("rtbText"))->document());
    EXPECT_FALSE(control(QStringLiteral("rtbText"))->isVisible());
    expectBookletPrinted();
}

TEST_F(Booklet, SectionsWithoutTextsCompleteTheRunPrintingNothing) {
    check({5});
    selectYears(QStringLiteral("1970"), QStringLiteral("1972"));
    print();
    EXPECT_TRUE(harness.printer.steps.empty());
    expectBookletPrinted();
}

TEST_F(Booklet, ToBeforeFromIsER036AndTheCoverAndOverviewGoOutAlone) {
    check({0, 1, 4});
    selectYears(QStringLiteral("1970"), QStringLiteral("1969"));
    print();
    EXPECT_EQ(printedTexts(), std::vector<std::string>{"Overview"});
    EXPECT_EQ(harness.printer.stepsOf(PrintStep::Kind::Picture).size(), 4u);
    EXPECT_EQ(harness.printer.steps.back(), PrintStep::end());
    EXPECT_EQ(boxes(), 1u);
    expectReported("ER036");
    EXPECT_EQ(lastText(),
              "Error number: ER036\r\n\r\n 'TO' year may not be earlier than 'FROM' year.");
}

TEST_F(Booklet, AYearListWithoutASelectionIsER034) {
    check({4});
    print();
    expectReported("ER034");
    EXPECT_TRUE(harness.printer.steps.empty());
    selectYear(0, QStringLiteral("1970"));
    print();
    EXPECT_EQ(boxes(), 2u);
    expectReported("ER034");
    EXPECT_TRUE(harness.printer.steps.empty());
    // With both years the same run goes through.
    selectYear(1, QStringLiteral("1970"));
    print();
    EXPECT_EQ(printedTexts(), std::vector<std::string>{"Details of 1970"});
    expectBookletPrinted();
}

TEST_F(Booklet, AMissingTextIsER040AndWhatWasPrintedBeforeItIsSent) {
    QFile::remove(QString::fromStdString(disc("/RichText/66.rtf")));
    check({4});
    selectYears(QStringLiteral("1965"), QStringLiteral("1967"));
    print();
    EXPECT_EQ(printedTexts(), std::vector<std::string>{"Details of 1965"});
    const std::vector<PrintStep> expected{PrintStep::begin("The Vantrel Velocarta Booklet"),
                                          text("Details of 1965"), PrintStep::newPage(),
                                          PrintStep::end()};
    EXPECT_EQ(harness.printer.steps, expected);
    expectReported("ER040");
    EXPECT_FALSE(harness.state->ended());
}

TEST_F(Booklet, AMissingCoverPictureIsER040BeforeAnythingIsDrawn) {
    QFile::remove(QString::fromStdString(disc("/graphics/66red.jpg")));
    check({0, 1});
    print();
    EXPECT_EQ(harness.printer.stepsOf(PrintStep::Kind::Picture).size(), 1u);
    EXPECT_TRUE(printedTexts().empty());
    expectReported("ER040");
}

TEST_F(Booklet, APrinterFailureDropsTheJobAndIsER040) {
    harness.printer.failOn = PrintStep::Kind::RichText;
    harness.printer.failAt = 2;
    check({3});
    selectYears(QStringLiteral("1980"), QStringLiteral("1985"));
    print();
    // The second text failed: the job was dropped, so nothing is ended or sent.
    EXPECT_EQ(printedTexts().size(), 2u);
    EXPECT_TRUE(harness.printer.stepsOf(PrintStep::Kind::End).empty());
    expectReported("ER040");
    EXPECT_EQ(boxes(), 1u);
}

TEST_F(Booklet, PrintAgainAndExitAfterARun) {
    check({1});
    print();
    expectBookletPrinted();
    print();  // Print Again
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"Overview", "Overview"}));
    EXPECT_EQ(harness.printer.stepsOf(PrintStep::Kind::Begin).size(), 2u);
    Click(okButton());  // Exit
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), testing::YearButton(*form, 1));
    EXPECT_FALSE(harness.state->ended());
}

TEST_F(Booklet, ABookletPrintedToAFileSaysWhere) {
    harness.printer.job = {0, "", "/home/vantreler/Documents/The Vantrel Velocarta Booklet.pdf"};
    check({1});
    print();
    EXPECT_EQ(lastText(),
              "Booklet printed!\r\n\r\nThe pages were printed to the PDF file:\r\n\r\n"
              "/home/vantreler/Documents/The Vantrel Velocarta Booklet.pdf");
    // A run that stops sends what it printed: the user learns where it went.
    check({6});
    selectYears(QStringLiteral("1970"), QStringLiteral("1969"));
    print();
    ASSERT_EQ(boxes(), 3u);
    EXPECT_EQ(harness.prompter.shown()[1].text, ComposeErrorMessage("ER036"));
    EXPECT_EQ(lastText(),
              "The pages were printed to the PDF file:\r\n\r\n"
              "/home/vantreler/Documents/The Vantrel Velocarta Booklet.pdf");
}

}  // namespace
}  // namespace velocarta
