#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "platform/qt/printer.h"

namespace velocarta {

class PdfJob;

// Where jobs go and on what paper: what Print Setup chose, or the system's defaults.
struct PrinterChoice {
    // PDF files, named after their jobs, even when the system has printers. Without any
    // printer jobs go to PDF files anyway.
    bool toPdf = false;
    QString pdfFolder;    // empty: the user's Documents folder (the home folder without one)
    QString printerName;  // empty: the system's default printer
    // Paper, orientation and the printer's unprintable strip (its margins); none: the
    // printer's own (A4 or Letter as the locale has it, for PDF files).
    std::optional<QPageLayout> layout;
    int copies = 1;
    bool collate = true;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    QStringList cupsOptions;  // further options of the printer's driver, name and value in turn
};

// Sends a finished job, drawn as a PDF into a spool file, to a printer. Throws PrintError.
using SendToPrinter =
    std::function<void(const QString& spoolFile, const QString& printerName, const QString& title,
                       const PrinterChoice& choice, const QPageLayout& paper)>;

// Jobs are drawn as PDF: for a printer into a spool file that goes to CUPS when the job
// ends (so an abandoned job never reaches the printer), else into the PDF file itself.
class QtPrinter final : public Printer {
  public:
    // The system's printers; PDF files in the Documents folder when there is none.
    QtPrinter();
    // PDF files in this folder, whatever printers the system has (tests, benchmarks).
    explicit QtPrinter(QString pdfFolder);
    // A given choice, and how spooled jobs reach its printers.
    QtPrinter(PrinterChoice choice, SendToPrinter send);
    ~QtPrinter() override;

    void beginDocument(const std::string& title) override;
    bool isJobOpen() const override { return job_ != nullptr; }
    void printLine(const std::string& text) override;
    void drawPicture(const std::string& hostPath, int xTwips, int yTwips,
                     PictureFit fit = PictureFit::OwnSize) override;
    void newPage() override;
    int printRichTextPages(const QTextDocument& document, const Margins& margins,
                           const PrintProgress& progress) override;
    PrintJob endDocument() override;
    void abortDocument() override;
    bool showSetupDialog(QWidget* parent) override;

    const PrinterChoice& choice() const { return choice_; }

  private:
    // The open job; one opens under the product's title when none is.
    PdfJob& job();
    void open(const QString& title);
    // Runs `work`; whatever it throws abandons the open job on its way out.
    template <typename Work>
    auto abandonOnFailure(Work&& work);

    PrinterChoice choice_;
    SendToPrinter send_;
    std::unique_ptr<PdfJob> job_;
    // The open job's destination (no printer name for a PDF file), title and paper.
    PrinterChoice jobChoice_;
    QString jobTitle_;
    QPageLayout jobPaper_;
};

// Where PDF files go unless a folder was chosen: Documents, else home.
QString DefaultPdfFolder();

// A file in `folder` named after the job, that does not exist yet.
QString PdfFileFor(const QString& folder, const QString& jobTitle);

// The printers of the system through CUPS.
void SendToCups(const QString& spoolFile, const QString& printerName, const QString& title,
                const PrinterChoice& choice, const QPageLayout& paper);

// The print set-up dialog, starting from `current`; the new choice, or none on Cancel.
std::optional<PrinterChoice> RunPrintSetupDialog(const PrinterChoice& current, QWidget* parent);

}  // namespace velocarta
