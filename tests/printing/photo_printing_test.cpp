// Print Photo and Print Setup from the File menu, printing on the printer double.
#include <QFile>

#include "printing_fixture.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::PrintStep;

class PhotoPage : public testing::PrintingTest {
  protected:
    void SetUp() override {
        PrintingTest::SetUp();
        start();
    }
    void printPhoto(Answer answer = Answer::Ok) {
        harness.prompter.answerNext(answer);
        choose("mnuPrintPhoto");
    }
    static std::vector<PrintStep> heading(const std::string& caption) {
        std::vector<PrintStep> lines(8, PrintStep::line(" "));
        lines.push_back(PrintStep::line("            The Vantrel Velocarta 2000"));
        lines.push_back(PrintStep::line(" "));
        lines.push_back(PrintStep::line("            " + caption));
        lines.push_back(PrintStep::line(" "));
        return lines;
    }
    std::vector<PrintStep> page(const std::string& title, const std::string& caption,
                                const std::string& photo) {
        std::vector<PrintStep> steps{PrintStep::begin(title)};
        for (const PrintStep& line : heading(caption)) {
            steps.push_back(line);
        }
        if (!photo.empty()) {
            steps.push_back(PrintStep::picture(harness.disc.path() + "/vantrels/" + photo, 1460,
                                               3000, PictureFit::ShrinkToMargin));
        }
        steps.push_back(PrintStep::end());
        return steps;
    }
};

TEST_F(PhotoPage, TheQuestionComesFirstAndCancelPrintsNothing) {
    Click(testing::YearButton(*form, 2));
    printPhoto(Answer::Cancel);
    ASSERT_EQ(boxes(), 1u);
    const Message& question = harness.prompter.last();
    EXPECT_EQ(question.text, "Would you like to print this photograph?");
    EXPECT_EQ(question.title, "The Vantrel Velocarta");
    EXPECT_EQ(question.buttons, Buttons::OkCancel);
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_TRUE(harness.printer.steps.empty());
}

TEST_F(PhotoPage, TheYearOnShowPrintsItsHeadingAndPhotoAsOnePage) {
    Click(testing::YearButton(*form, 2));
    printPhoto();
    EXPECT_EQ(harness.printer.steps, page("The Vantrel Velocarta 1965", "1965", "65A.JPG"));
    EXPECT_FALSE(harness.printer.isJobOpen());
    EXPECT_EQ(boxes(), 1u);  // the question only: a printer took the page
    EXPECT_EQ(harness.screen.pointer(), Pointer::Default);
}

TEST_F(PhotoPage, ATopicCarriesItsCaptionWithItsBlank) {
    choose("mnuStuff", 4);
    printPhoto();
    EXPECT_EQ(harness.printer.steps,
              page("The Vantrel Velocarta Vantrel Cookies ", "Vantrel Cookies ", "VCK002.JPG"));
}

TEST_F(PhotoPage, WithoutAPhotoOnShowThePageHasItsHeadingOnly) {
    // Before the first pick the window shows its title picture, which is no photo.
    printPhoto();
    EXPECT_EQ(harness.printer.steps, page("The Vantrel Velocarta", "", ""));

    // A year without photos hides the photo ("ER023"), whatever was on show before.
    Click(testing::YearButton(*form, 2));
    Click(testing::YearButton(*form, 10));
    ASSERT_EQ(harness.prompter.last().text.substr(14, 5), "ER023");
    harness.printer.steps.clear();
    printPhoto();
    EXPECT_EQ(harness.printer.steps, page("The Vantrel Velocarta 1973", "1973", ""));
}

TEST_F(PhotoPage, AFailureIsReportedAndLeavesNoJobOpen) {
    Click(testing::YearButton(*form, 3));
    harness.printer.failOn = PrintStep::Kind::Picture;
    printPhoto();
    EXPECT_FALSE(harness.printer.isJobOpen());
    EXPECT_EQ(harness.printer.steps.back(), PrintStep::abort());
    EXPECT_TRUE(harness.printer.stepsOf(PrintStep::Kind::End).empty());
    ASSERT_EQ(boxes(), 2u);
    EXPECT_EQ(lastText(), "Unable to print the photograph.\r\n\r\nscripted printer failure");
    EXPECT_EQ(harness.prompter.last().icon, Icon::Exclamation);
    EXPECT_EQ(harness.screen.pointer(), Pointer::Default);
    EXPECT_FALSE(harness.state->ended());

    // A photo that went from the disc is found missing before anything is printed.
    harness.printer.failOn.reset();
    harness.printer.steps.clear();
    QFile::remove(QString::fromStdString(harness.disc.path() + "/vantrels/66A.JPG"));
    printPhoto();
    EXPECT_EQ(harness.printer.steps, std::vector<PrintStep>{PrintStep::abort()});
    EXPECT_EQ(lastText(), "Unable to print the photograph.\r\n\r\nThe photo " +
                              harness.disc.path() + "/vantrels/66A.JPG cannot be found.");
}

TEST_F(PhotoPage, APagePrintedToAFileSaysWhere) {
    harness.printer.job = {0, "", "/home/vantreler/Documents/The Vantrel Velocarta 1965.pdf"};
    Click(testing::YearButton(*form, 2));
    printPhoto();
    ASSERT_EQ(boxes(), 2u);
    EXPECT_EQ(lastText(),
              "The pages were printed to the PDF file:\r\n\r\n"
              "/home/vantreler/Documents/The Vantrel Velocarta 1965.pdf");
}

TEST_F(PhotoPage, PrintSetupChoosesThePrinterAndCancelKeepsIt) {
    harness.printer.setupAnswers = {std::nullopt, "Vantrel Inkjet", std::nullopt};
    choose("mnuPrint");
    EXPECT_EQ(harness.printer.steps, std::vector<PrintStep>{PrintStep::setup()});
    EXPECT_EQ(harness.printer.job.printerName, "Vantrel LaserJet");
    choose("mnuPrint");
    EXPECT_EQ(harness.printer.job.printerName, "Vantrel Inkjet");
    choose("mnuPrint");
    EXPECT_EQ(harness.printer.job.printerName, "Vantrel Inkjet");
    EXPECT_EQ(harness.printer.stepsOf(PrintStep::Kind::Setup).size(), 3u);
    EXPECT_TRUE(harness.prompter.shown().empty());  // nothing to report either way
}

}  // namespace
}  // namespace velocarta
