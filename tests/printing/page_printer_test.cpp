// The page printer for rich text, on real pages: jobs printed to PDF files and read back
// with poppler's tools.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <algorithm>
#include <fstream>
#include <numeric>

#include "pdf_reader.h"
#include "platform/qt/qt_printer.h"
#include "print_samples.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::PdfDocument;
using testing::PdfWord;
using testing::ReadPdf;
using testing::TempFolder;

constexpr double kInch = 72.0;  // points

class PagePrinter : public ::testing::Test {
  protected:
    // Every word once, wherever it is printed, and each inside one inch from every edge.
    static void ExpectEveryWordOnceInsideOneInch(const std::vector<PdfWord>& words,
                                                 const PdfDocument& pdf,
                                                 std::vector<std::string> expected) {
        std::vector<std::string> printed;
        for (const PdfWord& word : words) {
            printed.push_back(word.text.toStdString());
            EXPECT_GE(word.xMin, kInch - 0.5) << word.text.toStdString();
            EXPECT_GE(word.yMin, kInch - 0.5) << word.text.toStdString();
            EXPECT_LE(word.xMax, pdf.width - kInch + 0.5) << word.text.toStdString();
            EXPECT_LE(word.yMax, pdf.height - kInch + 0.5) << word.text.toStdString();
        }
        // Side-by-side table cells read across, so the order is not checked.
        std::sort(printed.begin(), printed.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(printed, expected);
    }

    TempFolder folder;
    QtPrinter printer{QString::fromStdString(folder.path() + "/out")};
};

TEST_F(PagePrinter, EveryLineOnceInsideOneInchOverSeveralPagesOfOneJob) {
    int wordCount = 0;
    QTextDocument document;
    testing::LoadRtf(folder, testing::LongDocument(140, &wordCount), document);
    std::vector<int> progress;
    printer.beginDocument("Long document");
    const int pages = printer.printRichTextPages(document, Margins{}, [&](int done, int total) {
        progress.push_back(done);
        EXPECT_GE(total, done);
    });
    const PrintJob job = printer.endDocument();
    const PdfDocument pdf = ReadPdf(QString::fromStdString(job.pdfFile));
    testing::KeepPrint(QString::fromStdString(job.pdfFile), QStringLiteral("long-document.pdf"));

    // One file holds the whole job, page after page; progress after the layout and after
    // every page.
    EXPECT_GE(pdf.pages, 5);
    EXPECT_EQ(pdf.pages, pages);
    EXPECT_EQ(job.pages, pages);
    std::vector<int> everyPage(pages + 1);
    std::iota(everyPage.begin(), everyPage.end(), 0);
    EXPECT_EQ(progress, everyPage);
    EXPECT_TRUE(job.pdfFile.ends_with("/out/Long document.pdf")) << job.pdfFile;

    // No line lost at a page break, and none painted twice, not even invisibly.
    ExpectEveryWordOnceInsideOneInch(pdf.words, pdf, testing::NumberedWords(wordCount));
    for (int page = 1; page <= pdf.pages; ++page) {
        EXPECT_FALSE(pdf.wordsOn(page).empty()) << "page " << page;
    }
}

TEST_F(PagePrinter, AnEmptyDocumentPrintsOnePage) {
    QTextDocument document;
    testing::LoadRtf(folder, "{\\rtf1\\ansi }", document);
    EXPECT_EQ(printer.printRichTextPages(document, Margins{}, nullptr), 1);
    const PrintJob job = printer.endDocument();
    EXPECT_EQ(job.pages, 1);
    const PdfDocument pdf = ReadPdf(QString::fromStdString(job.pdfFile));
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(pdf.words.empty());
}

TEST_F(PagePrinter, MarginsAreMeasuredFromTheSheetsEdge) {
    QTextDocument document;
    testing::LoadRtf(folder, "{\\rtf1\\ansi\\f0\\fs24 Corner\\par}", document);
    printer.printRichTextPages(document, Margins{2880, 1440, 1440, 1440}, nullptr);
    const PdfDocument pdf = ReadPdf(QString::fromStdString(printer.endDocument().pdfFile));
    ASSERT_EQ(pdf.words.size(), 1u);
    EXPECT_NEAR(pdf.words[0].xMin, 2 * kInch, 1.5);
    EXPECT_NEAR(pdf.words[0].yMin, kInch, 4.0);
}

TEST_F(PagePrinter, RichTextAfterACoverStartsOnThePageItsNewPageBeganInTheSameJob) {
    const auto cover = testing::WriteCoverPictures(folder);
    int wordCount = 0;
    QTextDocument document;
    testing::LoadRtf(folder, testing::LongDocument(60, &wordCount), document);

    printer.beginDocument("Booklet");
    testing::DrawCover(printer, cover);
    printer.newPage();
    const int textPages = printer.printRichTextPages(document, Margins{}, nullptr);
    EXPECT_TRUE(printer.isJobOpen());
    const PrintJob job = printer.endDocument();
    const PdfDocument pdf = ReadPdf(QString::fromStdString(job.pdfFile));
    testing::KeepPrint(QString::fromStdString(job.pdfFile), QStringLiteral("cover-and-text.pdf"));

    ASSERT_GE(textPages, 2);
    EXPECT_EQ(pdf.pages, 1 + textPages);
    EXPECT_EQ(job.pages, 1 + textPages);
    // The cover carries its pictures and no text; the text begins on the next page.
    EXPECT_EQ(pdf.picturesOn(1).size(), 4u);
    EXPECT_EQ(pdf.pictures.size(), 4u);
    EXPECT_TRUE(pdf.wordsOn(1).empty());
    ASSERT_FALSE(pdf.wordsOn(2).empty());
    EXPECT_EQ(pdf.linesOn(2).front(), QStringLiteral("w00001 w00002"));
    ExpectEveryWordOnceInsideOneInch(pdf.words, pdf, testing::NumberedWords(wordCount));
}

TEST_F(PagePrinter, AnEmptyTextInAnOpenJobPrintsTheBlankPageItBegins) {
    const auto cover = testing::WriteCoverPictures(folder);
    QTextDocument empty;
    printer.beginDocument("Booklet");
    testing::DrawCover(printer, cover);
    printer.newPage();
    EXPECT_EQ(printer.printRichTextPages(empty, Margins{}, nullptr), 1);
    const PdfDocument pdf = ReadPdf(QString::fromStdString(printer.endDocument().pdfFile));
    EXPECT_EQ(pdf.pages, 2);
    EXPECT_TRUE(pdf.wordsOn(2).empty());
    EXPECT_TRUE(pdf.picturesOn(2).empty());
}

TEST_F(PagePrinter, TextsOfABookletFollowEachOtherEachFromANewPage) {
    int firstWords = 0;
    QTextDocument first;
    QTextDocument second;
    testing::LoadRtf(folder, testing::LongDocument(30, &firstWords), first);
    testing::LoadRtf(folder, "{\\rtf1\\ansi\\f0\\fs24 Details of 1967\\par}", second);

    // The booklet's way: a new page after every section, the end once at the end.
    printer.beginDocument("Booklet");
    const int firstPages = printer.printRichTextPages(first, Margins{}, nullptr);
    printer.newPage();
    EXPECT_EQ(printer.printRichTextPages(second, Margins{}, nullptr), 1);
    printer.newPage();
    const PdfDocument pdf = ReadPdf(QString::fromStdString(printer.endDocument().pdfFile));

    EXPECT_EQ(pdf.pages, firstPages + 1);  // no blank page after the last section
    EXPECT_EQ(pdf.linesOn(firstPages + 1), std::vector<QString>{"Details of 1967"});
    const std::vector<QString> lastOfFirst = pdf.linesOn(firstPages);
    ASSERT_FALSE(lastOfFirst.empty());
    EXPECT_TRUE(lastOfFirst.back().endsWith(
        QString::fromStdString(testing::NumberedWords(1, firstWords).front())));
}

TEST(PageFiles, NamedAfterTheJobAndNeverOverwritten) {
    TempFolder folder;
    const QString first = PdfFileFor(QString::fromStdString(folder.path()),
                                     QStringLiteral("The Vantrel Velocarta       1965 Colors"));
    EXPECT_TRUE(first.endsWith(QStringLiteral("/The Vantrel Velocarta 1965 Colors.pdf")));
    std::ofstream(first.toStdString()) << "x";
    const QString second = PdfFileFor(QString::fromStdString(folder.path()),
                                      QStringLiteral("The Vantrel Velocarta       1965 Colors"));
    EXPECT_TRUE(second.endsWith(QStringLiteral("/The Vantrel Velocarta 1965 Colors (2).pdf")));
    EXPECT_TRUE(PdfFileFor(QStringLiteral("/tmp"), QStringLiteral("a/b:c")).endsWith("/a b c.pdf"));
    EXPECT_EQ(PdfFileFor(QString::fromStdString(folder.path()), QStringLiteral(" / ")),
              QString::fromStdString(folder.path() + "/The Vantrel Velocarta.pdf"));
}

}  // namespace
}  // namespace velocarta
