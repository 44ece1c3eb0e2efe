// The booklet and the photo page as they come out: printed from the main window to PDF
// files and read back with poppler's tools; Print Setup's choice for every later print.
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "pdf_reader.h"
#include "platform/qt/qt_printer.h"
#include "print_samples.h"
#include "printing_fixture.h"
#include "support/ui_driver.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::PdfDocument;
using testing::PdfWord;
using testing::ReadPdf;
using testing::WhenTheDialogIsUp;

constexpr double kTwipsPerPoint = 20.0;
constexpr double kInch = 72.0;

class PrintedPages : public testing::PrintingTest {
  protected:
    void SetUp() override {
        PrintingTest::SetUp();
        printer = std::make_unique<QtPrinter>(QString::fromStdString(output.path()));
        harness.printerService = printer.get();
        start();
    }
    void TearDown() override { EXPECT_FALSE(printer->isJobOpen()); }
    // The file named in the last box, which says where the pages went.
    QString fileOfLastBox() {
        const std::string text = lastText();
        const std::size_t at = text.rfind("\r\n\r\n");
        EXPECT_NE(at, std::string::npos) << text;
        return QString::fromStdString(text.substr(at + 4));
    }

    testing::TempFolder output;
    std::unique_ptr<QtPrinter> printer;
};

TEST_F(PrintedPages, ABookletOfEverySectionIsOneFileOfPagesInOrder) {
    const auto cover = testing::WriteCoverPictures(harness.disc);
    int longWords = 0;
    harness.disc.writeFile("/RichText/99.rtf", testing::LongDocument(140, &longWords));
    openBooklet();
    check({0, 1, 2, 3, 4, 5, 6, 7});
    selectYears(QStringLiteral("1998"), QStringLiteral("2000"));
    print();

    ASSERT_EQ(boxes(), 1u);
    EXPECT_TRUE(lastText().starts_with(
        "Booklet printed!\r\n\r\nThe pages were printed to the PDF file:\r\n\r\n"))
        << lastText();
    const QString file = fileOfLastBox();
    EXPECT_EQ(file.toStdString(), output.path() + "/The Vantrel Velocarta Booklet.pdf");
    EXPECT_EQ(QDir(QString::fromStdString(output.path())).entryList(QDir::Files).size(), 1);
    testing::KeepPrint(file, QStringLiteral("booklet.pdf"));
    const PdfDocument pdf = ReadPdf(file);

    // The cover: one page with its four pictures at their places, in their own size.
    EXPECT_TRUE(pdf.wordsOn(1).empty());
    const std::vector<testing::PdfPicture> pictures = pdf.picturesOn(1);
    ASSERT_EQ(pictures.size(), 4u);
    for (std::size_t i = 0; i < cover.size(); ++i) {
        const testing::PdfPicture& picture = pictures[i];
        EXPECT_NEAR(picture.left, cover[i].x / kTwipsPerPoint, 1.0) << cover[i].file;
        EXPECT_NEAR(picture.top, cover[i].y / kTwipsPerPoint, 1.0) << cover[i].file;
        EXPECT_EQ(picture.pixelsWide, cover[i].pixels.width());
        EXPECT_NEAR(picture.ppiX, 96, 1);
    }
    EXPECT_EQ(pdf.pictures.size(), 4u);

    // Then each text from a page of its own, in order, the long one over several pages.
    const std::vector<QString> shortTexts{"Overview",
                                          "Description of 1998",
                                          "Details of 1998",
                                          "Description of 1999",
                                          "Description of 2000",
                                          "Details of 2000"};
    std::vector<QString> firstLines;
    for (int page = 2; page <= pdf.pages; ++page) {
        const auto lines = pdf.linesOn(page);
        ASSERT_FALSE(lines.empty()) << "page " << page;
        if (!lines.front().startsWith(u'w')) {
            EXPECT_EQ(lines.size(), 1u) << "page " << page;
            firstLines.push_back(lines.front());
        } else if (firstLines.empty() || firstLines.back() != QStringLiteral("(long)")) {
            firstLines.push_back(QStringLiteral("(long)"));
        }
    }
    EXPECT_EQ(firstLines, (std::vector<QString>{"Overview", "Description of 1998",
                                                "Details of 1998", "Description of 1999", "(long)",
                                                "Description of 2000", "Details of 2000"}));
    EXPECT_GE(pdf.pages, 1 + 6 + 5);

    // Every line exactly once, each inside one inch of every edge.
    std::vector<std::string> printed;
    std::vector<std::string> expected = testing::NumberedWords(longWords);
    for (const QString& text : shortTexts) {
        for (const QString& word : text.split(u' ')) {
            expected.push_back(word.toStdString());
        }
    }
    for (const PdfWord& word : pdf.words) {
        printed.push_back(word.text.toStdString());
        EXPECT_GE(word.xMin, kInch - 0.5) << word.text.toStdString();
        EXPECT_GE(word.yMin, kInch - 0.5) << word.text.toStdString();
        EXPECT_LE(word.xMax, pdf.width - kInch + 0.5) << word.text.toStdString();
        EXPECT_LE(word.yMax, pdf.height - kInch + 0.5) << word.text.toStdString();
    }
    std::sort(printed.begin(), printed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(printed, expected);
}

TEST_F(PrintedPages, ARunThatStopsSendsThePagesItPrinted) {
    testing::WriteCoverPictures(harness.disc);
    QFile::remove(QString::fromStdString(harness.disc.path() + "/RichText/66desc.rtf"));
    openBooklet();
    check({0, 3});
    selectYears(QStringLiteral("1965"), QStringLiteral("1967"));
    print();
    ASSERT_EQ(boxes(), 2u);
    EXPECT_EQ(harness.prompter.shown()[0].text.substr(14, 5), "ER040");
    const PdfDocument pdf = ReadPdf(fileOfLastBox());
    EXPECT_EQ(pdf.pages, 2);
    EXPECT_EQ(pdf.picturesOn(1).size(), 4u);
    EXPECT_EQ(pdf.linesOn(2), std::vector<QString>{"Description of 1965"});
}

TEST_F(PrintedPages, APhotoPageHasItsTwelveLinesAboveThePhoto) {
    Click(testing::YearButton(*form, 2));
    harness.prompter.answerNext(Answer::Ok);
    choose("mnuPrintPhoto");
    ASSERT_EQ(boxes(), 2u);
    const QString file = fileOfLastBox();
    EXPECT_EQ(file.toStdString(), output.path() + "/The Vantrel Velocarta 1965.pdf");
    testing::KeepPrint(file, QStringLiteral("photo-page.pdf"));
    const PdfDocument pdf = ReadPdf(file);
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.linesOn(1), (std::vector<QString>{"The Vantrel Velocarta 2000", "1965"}));
    ASSERT_EQ(pdf.pictures.size(), 1u);
    const testing::PdfPicture& photo = pdf.pictures[0];
    EXPECT_NEAR(photo.left, 1460 / kTwipsPerPoint, 1.0);
    EXPECT_NEAR(photo.top, 3000 / kTwipsPerPoint, 1.0);
    EXPECT_NEAR(photo.width, 240 * 0.75, 1.0);  // its own size: 15 twips a pixel
    EXPECT_EQ(photo.pixelsWide, 240);
    const auto words = pdf.wordsOn(1);
    // Line 9 and line 11, the ninth line from the top, indented by twelve blanks.
    const double lineHeight = (words[4].yMin - words[0].yMin) / 2;
    EXPECT_NEAR(words[0].yMin / lineHeight, 8.0, 0.5);
    EXPECT_GT(words[0].xMin, 12.0);
    EXPECT_NEAR(words[4].xMin, words[0].xMin, 0.01);
    EXPECT_LT(words[4].yMax, photo.top);
}

TEST_F(PrintedPages, APhotoLargerThanThePageKeepsAsFarFromItsEdgesAsFromTheLeft) {
    testing::WriteJpeg(harness.disc, "/vantrels/66A.JPG", QSize(1600, 1200));
    Click(testing::YearButton(*form, 3));
    harness.prompter.answerNext(Answer::Ok);
    choose("mnuPrintPhoto");
    const PdfDocument pdf = ReadPdf(fileOfLastBox());
    ASSERT_EQ(pdf.pictures.size(), 1u);
    const testing::PdfPicture& photo = pdf.pictures[0];
    const double margin = 1460 / kTwipsPerPoint;
    EXPECT_NEAR(photo.left, margin, 1.0);
    EXPECT_NEAR(photo.left + photo.width, pdf.width - margin, 1.5);
    EXPECT_NEAR(photo.height / photo.width, 0.75, 0.01);
    EXPECT_EQ(photo.pixelsWide, 1600);  // shrunk on the page, not in its pixels
}

TEST_F(PrintedPages, PrintSetupsChoiceServesThePhotoTheBookletAndTheViewer) {
    testing::TempFolder chosen;
    WhenTheDialogIsUp([](QDialog& dialog) { dialog.reject(); });
    choose("mnuPrint");
    harness.prompter.answerNext(Answer::Ok);
    choose("mnuPrintPhoto");
    EXPECT_EQ(QFileInfo(fileOfLastBox()).absolutePath().toStdString(), output.path());

    const QString file = QString::fromStdString(chosen.path() + "/My prints.pdf");
    WhenTheDialogIsUp([&file](QDialog& dialog) {
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
            if (edit->isVisible() && edit->text().endsWith(QStringLiteral(".pdf"))) {
                edit->setText(file);
            }
        }
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    choose("mnuPrint");

    harness.prompter.answerNext(Answer::Ok);
    choose("mnuPrintPhoto");
    EXPECT_EQ(fileOfLastBox().toStdString(), chosen.path() + "/The Vantrel Velocarta.pdf");
    openBooklet();
    check({1});
    print();
    EXPECT_EQ(fileOfLastBox().toStdString(), chosen.path() + "/The Vantrel Velocarta Booklet.pdf");
    testing::WriteRtf(harness.disc, "/richtext/credits.rtf", "Credits");
    choose("mnuCredits");
    QWidget* viewer = testing::ShownWindow(QStringLiteral("txtForm"));
    ASSERT_NE(viewer, nullptr);
    Click(testing::Find(viewer, QStringLiteral("cmdPrint")));
    EXPECT_EQ(QFileInfo(fileOfLastBox()).absolutePath().toStdString(), chosen.path());
    EXPECT_EQ(QDir(QString::fromStdString(chosen.path())).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(QDir(QString::fromStdString(output.path())).entryList(QDir::Files).size(), 1);
    Click(testing::Find(viewer, QStringLiteral("SSCommand1")));
}

}  // namespace
}  // namespace velocarta
