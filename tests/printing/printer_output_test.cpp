// Jobs for a printer: spooled, sent only when they end, drawn inside the printer's
// unprintable strip; and Print Setup, the system's dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <memory>

#include "pdf_reader.h"
#include "platform/qt/qt_printer.h"
#include "print_samples.h"
#include "support/sample_content.h"
#include "support/temp_folder.h"
#include "support/ui_driver.h"

namespace velocarta {
namespace {

using testing::PdfDocument;
using testing::TempFolder;
using testing::WhenTheDialogIsUp;

struct SentJob {
    QString spoolFile;
    QString printer;
    QString title;
    QPageLayout paper;
    QString copy;  // the spool as it was sent
};

class PrinterJobs : public ::testing::Test {
  protected:
    // A printer whose unprintable strip is 18 points at the sides and 36 at top and foot.
    std::unique_ptr<QtPrinter> printerWithStrip() {
        PrinterChoice choice;
        choice.printerName = QStringLiteral("Vantrel LaserJet");
        choice.layout = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                    QMarginsF(18, 36, 18, 36));
        return std::make_unique<QtPrinter>(
            choice, [this](const QString& spool, const QString& printer, const QString& title,
                           const PrinterChoice&, const QPageLayout& paper) {
                if (refuse) {
                    throw PrintError("The printer Vantrel LaserJet is out of paper.");
                }
                const QString copy = QString::fromStdString(sent.path()) +
                                     QStringLiteral("/job%1.pdf").arg(jobs.size() + 1);
                EXPECT_TRUE(QFile::copy(spool, copy));
                jobs.push_back({spool, printer, title, paper, copy});
            });
    }

    TempFolder content;
    TempFolder sent;
    std::vector<SentJob> jobs;
    bool refuse = false;
};

TEST_F(PrinterJobs, AJobGoesToItsPrinterWhenItEndsAndPlacesThingsInsideTheStrip) {
    auto printer = printerWithStrip();
    const auto cover = testing::WriteCoverPictures(content);
    QTextDocument text;
    testing::LoadRtf(content, "{\\rtf1\\ansi\\f0\\fs24 Overview\\par}", text);

    printer->beginDocument("The Vantrel Velocarta Booklet");
    printer->printLine("Heading");
    printer->drawPicture(cover[0].file, cover[0].x, cover[0].y);
    printer->newPage();
    printer->printRichTextPages(text, Margins{}, nullptr);
    EXPECT_TRUE(jobs.empty());  // nothing reaches the printer before the end
    const PrintJob job = printer->endDocument();

    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(job.printerName, "Vantrel LaserJet");
    EXPECT_TRUE(job.pdfFile.empty());
    EXPECT_EQ(job.pages, 2);
    EXPECT_EQ(jobs[0].printer, QStringLiteral("Vantrel LaserJet"));
    EXPECT_EQ(jobs[0].title, QStringLiteral("The Vantrel Velocarta Booklet"));
    EXPECT_EQ(jobs[0].paper.pageSize().id(), QPageSize::Letter);
    EXPECT_FALSE(QFile::exists(jobs[0].spoolFile));  // the spool is gone once sent

    const PdfDocument pdf = testing::ReadPdf(jobs[0].copy);
    EXPECT_EQ(pdf.pages, 2);
    EXPECT_NEAR(pdf.width, 612, 0.5);  // Letter
    // Lines and pictures from the corner of the printable page ...
    ASSERT_EQ(pdf.wordsOn(1).size(), 1u);
    EXPECT_NEAR(pdf.wordsOn(1)[0].xMin, 18, 1.0);
    EXPECT_GE(pdf.wordsOn(1)[0].yMin, 36);
    EXPECT_LT(pdf.wordsOn(1)[0].yMin, 36 + 6);
    ASSERT_EQ(pdf.pictures.size(), 1u);
    EXPECT_NEAR(pdf.pictures[0].left, 18 + 80, 1.0);
    EXPECT_NEAR(pdf.pictures[0].top, 36 + 80, 1.0);
    // ... the text's margins from the edge of the sheet.
    ASSERT_EQ(pdf.wordsOn(2).size(), 1u);
    EXPECT_NEAR(pdf.wordsOn(2)[0].xMin, 72, 1.5);
    EXPECT_NEAR(pdf.wordsOn(2)[0].yMin, 72, 4.0);
}

TEST_F(PrinterJobs, AnAbandonedOrFailedJobNeverReachesThePrinter) {
    auto printer = printerWithStrip();
    printer->printLine("Abandoned");
    printer->abortDocument();
    printer->printLine("Failed");
    EXPECT_THROW(printer->drawPicture(content.path() + "/none.jpg", 0, 0), PrintError);
    printer->newPage();  // a new job, with nothing on it
    EXPECT_EQ(printer->endDocument().pages, 0);
    EXPECT_TRUE(jobs.empty());
}

TEST_F(PrinterJobs, APrinterThatRefusesTheJobIsAFailureThatLeavesNothingOpen) {
    auto printer = printerWithStrip();
    refuse = true;
    printer->printLine("Refused");
    try {
        printer->endDocument();
        ADD_FAILURE() << "no failure";
    } catch (const PrintError& error) {
        EXPECT_STREQ(error.what(), "The printer Vantrel LaserJet is out of paper.");
    }
    EXPECT_FALSE(printer->isJobOpen());
    refuse = false;
    printer->printLine("Taken");
    EXPECT_EQ(printer->endDocument().pages, 1);
    EXPECT_EQ(jobs.size(), 1u);
}

class PrintSetup : public ::testing::Test {
  protected:
    TempFolder before;
    TempFolder chosen;
    QtPrinter printer{QString::fromStdString(before.path())};
};

TEST_F(PrintSetup, CancelKeepsThePreviousChoice) {
    WhenTheDialogIsUp([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print Setup"));
        dialog.reject();
    });
    EXPECT_FALSE(printer.showSetupDialog(nullptr));
    EXPECT_TRUE(printer.choice().toPdf);
    EXPECT_EQ(printer.choice().pdfFolder.toStdString(), before.path());
    printer.printLine("Still here");
    EXPECT_EQ(printer.endDocument().pdfFile, before.path() + "/The Vantrel Velocarta.pdf");
}

TEST_F(PrintSetup, TheChoiceServesEveryLaterJob) {
    const QString file = QString::fromStdString(chosen.path() + "/My prints.pdf");
    WhenTheDialogIsUp([&file](QDialog& dialog) {
        // Without a printer the dialog offers the PDF file; its name chooses the folder.
        QLineEdit* name = nullptr;
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
            if (edit->isVisible() && edit->text().endsWith(QStringLiteral(".pdf"))) {
                name = edit;
            }
        }
        ASSERT_NE(name, nullptr);
        name->setText(file);
        QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        ok->click();
    });
    printer.printLine("Begun before the set-up");
    ASSERT_TRUE(printer.showSetupDialog(nullptr));
    EXPECT_EQ(printer.choice().pdfFolder.toStdString(), chosen.path());
    // The open job ends where it began.
    EXPECT_EQ(printer.endDocument().pdfFile, before.path() + "/The Vantrel Velocarta.pdf");
    for (const char* title : {"Booklet", "Photo"}) {
        printer.beginDocument(title);
        printer.printLine(title);
        EXPECT_EQ(printer.endDocument().pdfFile, chosen.path() + "/" + title + ".pdf");
    }
}

}  // namespace
}  // namespace velocarta
