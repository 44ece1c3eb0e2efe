#include "platform/qt/qt_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "printing/rich_text_pages.h"

namespace velocarta {

namespace {

QString DefaultPdfFolder() {
    for (const auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QDir().mkpath(folder)) {
            return folder;
        }
    }
    return QDir::tempPath();
}

}  // namespace

QString PdfFileFor(const QString& folder, const QString& jobTitle) {
    // Runs of blanks and characters that do not belong in a file name become one blank.
    QString name = jobTitle;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\s]+")), QStringLiteral(" "));
    name = name.trimmed();
    if (name.isEmpty()) {
        name = QStringLiteral("The Vantrel Velocarta");
    }
    QString path = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = QDir(folder).filePath(name + QStringLiteral(" (%1).pdf").arg(copy));
    }
    return path;
}

PrintJob QtPrinter::printRichTextPages(const QTextDocument& document, const Margins& margins,
                                       const std::string& jobTitle,
                                       const std::function<void(int, int)>& progress) {
    const QString title = QString::fromStdString(jobTitle);
    QPrinter printer(QPrinter::HighResolution);
    PrintJob job;
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (pdfFolder_.isEmpty() && !system.isNull()) {
        printer.setPrinterName(system.printerName());
        job.printerName = system.printerName().toStdString();
    } else {
        const QString folder = pdfFolder_.isEmpty() ? DefaultPdfFolder() : pdfFolder_;
        QDir().mkpath(folder);
        const QString file = PdfFileFor(folder, title);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        job.pdfFile = file.toStdString();
    }
    printer.setDocName(title);
    printer.setCreator(QStringLiteral("The Vantrel Velocarta 2000"));
    // Coordinates from the sheet's corner: the margins are measured from the physical
    // edge, not from the printable area.
    printer.setFullPage(true);

    QPainter painter;
    if (!painter.begin(&printer)) {
        throw PrintError(job.pdfFile.empty()
                             ? "The printer " + job.printerName + " cannot print now."
                             : "The file " + job.pdfFile + " cannot be written.");
    }
    try {
        job.pages = PaintRichTextPages(printer, painter, document, margins, progress);
    } catch (...) {
        painter.end();
        throw;
    }
    if (!painter.end()) {
        throw PrintError("The print job could not be finished.");
    }
    return job;
}

}  // namespace velocarta
