#include "platform/qt/qt_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "printing/pdf_job.h"

namespace velocarta {

namespace {

const char kUntitledJob[] = "The Vantrel Velocarta";

// The printer jobs go to: the chosen one, else the system's default, else its first; none
// when the system has no printer.
QString SystemPrinter(const QString& chosen) {
    if (!chosen.isEmpty()) {
        return chosen;
    }
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (!standard.isNull()) {
        return standard.printerName();
    }
    const QStringList names = QPrinterInfo::availablePrinterNames();
    return names.isEmpty() ? QString() : names.first();
}

QPageLayout PrinterPaper(const QString& printerName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printerName);
    return printer.pageLayout();
}

// A PDF file has no unprintable strip.
QPageLayout PdfPaper(const std::optional<QPageLayout>& chosen) {
    if (chosen) {
        QPageLayout paper = *chosen;
        paper.setMinimumMargins(QMarginsF());
        paper.setMargins(QMarginsF());
        return paper;
    }
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF());
}

}  // namespace

QString DefaultPdfFolder() {
    for (const auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QDir().mkpath(folder)) {
            return folder;
        }
    }
    return QDir::tempPath();
}

QString PdfFileFor(const QString& folder, const QString& jobTitle) {
    // Runs of blanks and characters that do not belong in a file name become one blank.
    QString name = jobTitle;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\s]+")), QStringLiteral(" "));
    name = name.trimmed();
    if (name.isEmpty()) {
        name = QString::fromUtf8(kUntitledJob);
    }
    QString path = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = QDir(folder).filePath(name + QStringLiteral(" (%1).pdf").arg(copy));
    }
    return path;
}

QtPrinter::QtPrinter() : send_(&SendToCups) {}

QtPrinter::QtPrinter(QString pdfFolder) : send_(&SendToCups) {
    choice_.toPdf = true;
    choice_.pdfFolder = std::move(pdfFolder);
}

QtPrinter::QtPrinter(PrinterChoice choice, SendToPrinter send)
    : choice_(std::move(choice)), send_(std::move(send)) {}

QtPrinter::~QtPrinter() = default;

template <typename Work>
auto QtPrinter::abandonOnFailure(Work&& work) {
    try {
        return work();
    } catch (...) {
        job_.reset();
        throw;
    }
}

void QtPrinter::open(const QString& title) {
    const QString printer = choice_.toPdf ? QString() : SystemPrinter(choice_.printerName);
    QString pdfFile;
    QPageLayout paper;
    if (printer.isEmpty()) {
        const QString folder = choice_.pdfFolder.isEmpty() ? DefaultPdfFolder() : choice_.pdfFolder;
        if (!QDir().mkpath(folder)) {
            throw PrintError("The folder " + folder.toStdString() + " cannot be made.");
        }
        pdfFile = PdfFileFor(folder, title);
        paper = PdfPaper(choice_.layout);
    } else {
        paper = choice_.layout ? *choice_.layout : PrinterPaper(printer);
    }
    job_ = std::make_unique<PdfJob>(pdfFile, paper, title);
    // A later set-up does not change where the open job goes.
    jobChoice_ = choice_;
    jobChoice_.printerName = printer;
    jobTitle_ = title;
    jobPaper_ = paper;
}

PdfJob& QtPrinter::job() {
    if (!job_) {
        open(QString::fromUtf8(kUntitledJob));
    }
    return *job_;
}

void QtPrinter::beginDocument(const std::string& title) {
    if (!job_) {
        open(QString::fromStdString(title));
    }
}

void QtPrinter::printLine(const std::string& text) {
    abandonOnFailure([&] { job().printLine(QString::fromStdString(text)); });
}

void QtPrinter::drawPicture(const std::string& hostPath, int xTwips, int yTwips, PictureFit fit) {
    abandonOnFailure(
        [&] { job().drawPicture(QString::fromStdString(hostPath), xTwips, yTwips, fit); });
}

void QtPrinter::newPage() {
    abandonOnFailure([&] { job().newPage(); });
}

int QtPrinter::printRichTextPages(const QTextDocument& document, const Margins& margins,
                                  const PrintProgress& progress) {
    return abandonOnFailure([&] { return job().printRichTextPages(document, margins, progress); });
}

PrintJob QtPrinter::endDocument() {
    if (!job_) {
        return {};
    }
    // Whatever happens from here, the job is no longer open; a failed one leaves no file.
    const std::unique_ptr<PdfJob> ending = std::move(job_);
    PrintJob result;
    result.pages = ending->finish();
    if (result.pages == 0) {
        return result;
    }
    if (jobChoice_.printerName.isEmpty()) {
        result.pdfFile = ending->fileName().toStdString();
    } else {
        send_(ending->fileName(), jobChoice_.printerName, jobTitle_, jobChoice_, jobPaper_);
        result.printerName = jobChoice_.printerName.toStdString();
    }
    return result;
}

void QtPrinter::abortDocument() {
    job_.reset();
}

bool QtPrinter::showSetupDialog(QWidget* parent) {
    std::optional<PrinterChoice> chosen = RunPrintSetupDialog(choice_, parent);
    if (!chosen) {
        return false;
    }
    choice_ = std::move(*chosen);
    return true;
}

}  // namespace velocarta
