// Print jobs of lines, pictures and pages on real pages (PDF files read back with
// poppler's tools), and what a failure leaves behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QTextDocument>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "pdf_reader.h"
#include "platform/qt/qt_printer.h"
#include "print_samples.h"
#include "support/sample_content.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::PdfDocument;
using testing::ReadPdf;
using testing::TempFolder;

constexpr double kTwipsPerPoint = 20.0;

// The files in a folder (and its subfolders), so that nothing left behind goes unseen.
std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    if (std::filesystem::exists(folder)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path().filename().string());
            }
        }
    }
    return files;
}

class PrintJobs : public ::testing::Test {
  protected:
    PdfDocument endAndRead(const QString& keepAs = QString()) {
        const PrintJob job = printer.endDocument();
        EXPECT_FALSE(printer.isJobOpen());
        EXPECT_TRUE(job.printerName.empty());
        const QString file = QString::fromStdString(job.pdfFile);
        if (!keepAs.isEmpty()) {
            testing::KeepPrint(file, keepAs);
        }
        PdfDocument pdf = ReadPdf(file);
        EXPECT_EQ(job.pages, pdf.pages);
        return pdf;
    }

    TempFolder content;
    TempFolder output;
    QtPrinter printer{QString::fromStdString(output.path())};
};

TEST_F(PrintJobs, ACoverAloneIsOnePageWithItsPicturesAtTheirPlacesInTheirOwnSize) {
    const auto cover = testing::WriteCoverPictures(content);
    printer.beginDocument("Booklet");
    testing::DrawCover(printer, cover);
    printer.newPage();  // the cover's new page, on which nothing more comes
    const PdfDocument pdf = endAndRead(QStringLiteral("cover.pdf"));

    EXPECT_EQ(pdf.pages, 1);
    ASSERT_EQ(pdf.pictures.size(), cover.size());
    for (std::size_t i = 0; i < cover.size(); ++i) {
        const testing::PdfPicture& printed = pdf.pictures[i];
        EXPECT_EQ(printed.page, 1);
        EXPECT_NEAR(printed.left, cover[i].x / kTwipsPerPoint, 1.0) << cover[i].file;
        EXPECT_NEAR(printed.top, cover[i].y / kTwipsPerPoint, 1.0) << cover[i].file;
        // Its own size: 15 twips (3/4 point) a pixel, every pixel kept.
        EXPECT_NEAR(printed.width, cover[i].pixels.width() * 0.75, 1.0) << cover[i].file;
        EXPECT_NEAR(printed.height, cover[i].pixels.height() * 0.75, 1.0) << cover[i].file;
        EXPECT_EQ(printed.pixelsWide, cover[i].pixels.width());
        EXPECT_NEAR(printed.ppiX, 96, 1);
    }
}

TEST_F(PrintJobs, APhotoPageHasItsTwelveLinesAboveThePhoto) {
    testing::WriteJpeg(content, "/vantrels/VCK002.JPG", QSize(480, 320), Qt::darkCyan);
    const std::vector<std::string> lines{" ",
                                         " ",
                                         " ",
                                         " ",
                                         " ",
                                         " ",
                                         " ",
                                         " ",
                                         "            The Vantrel Velocarta 2000",
                                         " ",
                                         "            Vantrel Cookies ",
                                         " "};
    for (const std::string& line : lines) {
        printer.printLine(line);
    }
    printer.drawPicture(content.path() + "/vantrels/VCK002.JPG", 1460, 3000);
    const PdfDocument pdf = endAndRead(QStringLiteral("photo-page.pdf"));

    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.linesOn(1),
              (std::vector<QString>{"The Vantrel Velocarta 2000", "Vantrel Cookies"}));
    ASSERT_EQ(pdf.pictures.size(), 1u);
    const testing::PdfPicture& photo = pdf.pictures[0];
    EXPECT_NEAR(photo.left, 1460 / kTwipsPerPoint, 1.0);
    EXPECT_NEAR(photo.top, 3000 / kTwipsPerPoint, 1.0);
    EXPECT_NEAR(photo.width, 480 * 0.75, 1.0);

    // Line 9 and line 11: two lines apart, the ninth line from the top of the page, both
    // indented by the twelve blanks, and all of them above the photo.
    const auto words = pdf.wordsOn(1);
    ASSERT_EQ(words.size(), 6u);
    const testing::PdfWord& heading = words[0];  // "The"
    const testing::PdfWord& caption = words[4];  // "Vantrel" of "Vantrel Cookies"
    ASSERT_EQ(caption.text, QStringLiteral("Vantrel"));
    const double lineHeight = (caption.yMin - heading.yMin) / 2;
    EXPECT_GT(lineHeight, 8.0);
    EXPECT_NEAR(heading.yMin / lineHeight, 8.0, 0.5);
    EXPECT_NEAR(heading.xMin, caption.xMin, 0.01);
    EXPECT_GT(heading.xMin, 12.0);
    EXPECT_LT(caption.yMax + lineHeight, photo.top);
}

TEST_F(PrintJobs, LinesThatPassTheFootOfAPageGoOnTheNextPage) {
    const auto words = testing::NumberedWords(150);
    for (const std::string& word : words) {
        printer.printLine(word);
    }
    const PdfDocument pdf = endAndRead();
    ASSERT_GE(pdf.pages, 2);
    std::vector<std::string> printed;
    for (int page = 1; page <= pdf.pages; ++page) {
        const auto onPage = pdf.wordsOn(page);
        EXPECT_LT(onPage.front().yMin, 15.0) << "page " << page;  // from the top of the page
        for (const testing::PdfWord& word : onPage) {
            EXPECT_LE(word.yMax, pdf.height) << word.text.toStdString();
            printed.push_back(word.text.toStdString());
        }
    }
    EXPECT_EQ(printed, words);
}

// A new page is printed only once something is drawn on it.
TEST_F(PrintJobs, PagesAreThoseThatSomethingIsDrawnOn) {
    testing::WriteJpeg(content, "/p.jpg");
    const std::string picture = content.path() + "/p.jpg";
    const struct {
        const char* steps;  // l: line, p: picture, n: new page
        int pages;
    } cases[] = {{"p", 1},  {"pn", 1},  {"pnn", 1}, {"pnp", 2}, {"pnnp", 3},
                 {"np", 2}, {"lnl", 2}, {"l", 1},   {"", 0},    {"n", 0}};
    for (const auto& c : cases) {
        printer.beginDocument("Pages");
        for (const char* step = c.steps; *step != '\0'; ++step) {
            switch (*step) {
                case 'l':
                    printer.printLine("Line");
                    break;
                case 'p':
                    printer.drawPicture(picture, 0, 0);
                    break;
                default:
                    printer.newPage();
            }
        }
        const PrintJob job = printer.endDocument();
        EXPECT_EQ(job.pages, c.pages) << c.steps;
        if (c.pages == 0) {
            EXPECT_TRUE(job.pdfFile.empty()) << c.steps;
        } else {
            EXPECT_EQ(ReadPdf(QString::fromStdString(job.pdfFile)).pages, c.pages) << c.steps;
        }
    }
    EXPECT_EQ(FilesIn(output.path()).size(), 8u);  // nothing for the jobs without pages
}

TEST_F(PrintJobs, AJobOpensWithItsFirstDrawingAndEndsOnlyOnce) {
    EXPECT_EQ(printer.endDocument().pages, 0);  // no job: nothing to end
    printer.printLine("Opened by its first line");
    EXPECT_TRUE(printer.isJobOpen());
    printer.beginDocument("Another title");  // joins the open job
    const PrintJob job = printer.endDocument();
    EXPECT_EQ(job.pdfFile, output.path() + "/The Vantrel Velocarta.pdf");
    EXPECT_EQ(printer.endDocument().pages, 0);
    EXPECT_EQ(FilesIn(output.path()), std::vector<std::string>{"The Vantrel Velocarta.pdf"});
}

TEST_F(PrintJobs, AnAbandonedJobLeavesNoFile) {
    printer.beginDocument("Abandoned");
    printer.printLine("Never printed");
    printer.abortDocument();
    EXPECT_FALSE(printer.isJobOpen());
    EXPECT_TRUE(FilesIn(output.path()).empty());
    printer.abortDocument();  // nothing open: nothing to do
}

// Each failure: no job stays open, no file (whole or partial) is left, and the next job
// prints as if nothing had happened.
TEST_F(PrintJobs, AFailureMidJobLeavesNothingOpenAndNoFile) {
    const auto cover = testing::WriteCoverPictures(content);
    QTextDocument text;
    text.setPlainText(QStringLiteral("Overview"));
    const struct {
        const char* what;
        std::function<void(QtPrinter&)> failingStep;
    } cases[] = {
        {"a missing picture",
         [&](QtPrinter& p) { p.drawPicture(content.path() + "/graphics/none.jpg", 0, 0); }},
        {"a file that is no picture",
         [&](QtPrinter& p) { p.drawPicture(content.writeFile("/text.jpg", "text"), 0, 0); }},
        {"margins that leave no room",
         [&](QtPrinter& p) {
             p.printRichTextPages(text, Margins{9000, 0, 9000, 0}, nullptr);
         }},
        {"a picture shrunk to a page it lies outside of",
         [&](QtPrinter& p) { p.drawPicture(cover[0].file, 99999, 0, PictureFit::ShrinkToPage); }},
    };
    for (const auto& c : cases) {
        printer.beginDocument("Failing");
        testing::DrawCover(printer, cover);
        printer.newPage();
        printer.printRichTextPages(text, Margins{}, nullptr);
        printer.newPage();
        EXPECT_THROW(c.failingStep(printer), PrintError) << c.what;
        EXPECT_FALSE(printer.isJobOpen()) << c.what;
        EXPECT_TRUE(FilesIn(output.path()).empty()) << c.what;
    }
    printer.printLine("Afterwards");
    EXPECT_EQ(endAndRead().linesOn(1), std::vector<QString>{"Afterwards"});
}

TEST_F(PrintJobs, AnExceptionFromTheProgressCallbackAbandonsTheJob) {
    QTextDocument text;
    text.setPlainText(QStringLiteral("Cancelled"));
    printer.printLine("Before");
    EXPECT_THROW(printer.printRichTextPages(text, Margins{},
                                            [](int done, int) {
                                                if (done == 1) {
                                                    throw std::runtime_error("cancelled");
                                                }
                                            }),
                 std::runtime_error);
    EXPECT_FALSE(printer.isJobOpen());
    EXPECT_TRUE(FilesIn(output.path()).empty());
}

TEST_F(PrintJobs, AnUnwritableDestinationFailsBeforeAJobOpens) {
    QtPrinter unwritable(QStringLiteral("/dev/null/velocarta"));
    EXPECT_THROW(unwritable.beginDocument("Job"), PrintError);
    EXPECT_FALSE(unwritable.isJobOpen());
    EXPECT_THROW(unwritable.printLine("Line"), PrintError);
    EXPECT_FALSE(unwritable.isJobOpen());
}

TEST_F(PrintJobs, ADestinationThatGoesAwayMidJobFailsTheEndAndLeavesNothingOpen) {
    const auto cover = testing::WriteCoverPictures(content);
    const std::string folder = output.makeFolder("/booklets");
    QtPrinter toFolder(QString::fromStdString(folder));
    toFolder.beginDocument("Booklet");
    testing::DrawCover(toFolder, cover);
    toFolder.newPage();
    std::filesystem::remove_all(folder);
    EXPECT_THROW(toFolder.endDocument(), PrintError);
    EXPECT_FALSE(toFolder.isJobOpen());
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_TRUE(FilesIn(output.path()).empty());
}

}  // namespace
}  // namespace velocarta
