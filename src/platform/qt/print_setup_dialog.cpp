// Print Setup: the system's print dialog, in the form that chooses a printer and its
// settings and prints nothing.
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPushButton>

#include "platform/qt/qt_printer.h"

namespace velocarta {

namespace {
// The options of the printer's driver chosen in the dialog's Properties (Qt keeps them
// under this key of its CUPS print engine).
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
}  // namespace

std::optional<PrinterChoice> RunPrintSetupDialog(const PrinterChoice& current, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    if (!current.toPdf && !current.printerName.isEmpty()) {
        printer.setPrinterName(current.printerName);
    }
    if (current.toPdf || printer.outputFormat() == QPrinter::PdfFormat) {
        // A name that does not exist yet, so that OK asks about no file to overwrite: the
        // dialog chooses the folder, each job's file is named after the job.
        const QString folder = current.pdfFolder.isEmpty() ? DefaultPdfFolder() : current.pdfFolder;
        printer.setOutputFileName(PdfFileFor(folder, QStringLiteral("The Vantrel Velocarta")));
    }
    if (current.layout) {
        printer.setPageLayout(*current.layout);
    }
    printer.setCopyCount(current.copies);
    printer.setCollateCopies(current.collate);
    printer.setDuplex(current.duplex);

    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    // It prints nothing: its button takes the choice.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("OK"));
        }
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }

    PrinterChoice chosen;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        chosen.toPdf = true;
        chosen.pdfFolder = printer.outputFileName().isEmpty()
                               ? current.pdfFolder
                               : QFileInfo(printer.outputFileName()).absolutePath();
    } else {
        chosen.printerName = printer.printerName();
        chosen.cupsOptions = printer.printEngine()->property(kCupsOptions).toStringList();
    }
    chosen.layout = printer.pageLayout();
    chosen.copies = printer.copyCount();
    chosen.collate = printer.collateCopies();
    chosen.duplex = printer.duplex();
    return chosen;
}

}  // namespace velocarta
