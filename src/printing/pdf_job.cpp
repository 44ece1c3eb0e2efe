#include "printing/pdf_job.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>

#include "printing/rich_text_pages.h"

namespace velocarta {

namespace {

constexpr int kResolution = 1200;
constexpr double kTwipsPerInch = 1440.0;
constexpr double kPointsPerInch = 72.0;
// A picture's own size: its pixels as the screen shows them, 15 twips each.
constexpr double kTwipsPerPicturePixel = 15.0;

std::string Text(const QString& text) {
    return text.toStdString();
}

std::unique_ptr<QFileDevice> OpenOutput(const QString& pdfFile) {
    if (pdfFile.isEmpty()) {
        auto spool = std::make_unique<QTemporaryFile>(
            QDir::temp().filePath(QStringLiteral("velocarta-print-XXXXXX.pdf")));
        if (!spool->open()) {
            throw PrintError("The print job cannot be prepared: " + Text(spool->errorString()));
        }
        return spool;
    }
    // Written beside its name and renamed when complete: no half-written file is ever seen.
    auto file = std::make_unique<QSaveFile>(pdfFile);
    if (!file->open(QIODevice::WriteOnly)) {
        throw PrintError("The file " + Text(pdfFile) +
                         " cannot be written: " + Text(file->errorString()));
    }
    return file;
}

}  // namespace

QFont PdfJob::DefaultFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(10);
    return font;
}

PdfJob::PdfJob(const QString& pdfFile, const QPageLayout& layout, const QString& title)
    : file_(OpenOutput(pdfFile)), writer_(std::make_unique<QPdfWriter>(file_.get())) {
    writer_->setResolution(kResolution);
    writer_->setTitle(title);
    writer_->setCreator(QStringLiteral("The Vantrel Velocarta 2000"));
    // The painter works on the whole sheet; the layout's margins are the printer's
    // unprintable strip, where the printable page begins.
    QPageLayout sheet = layout;
    sheet.setMode(QPageLayout::FullPageMode);
    if (!writer_->setPageLayout(sheet)) {
        throw PrintError("The printer does not take this paper.");
    }
    const QMarginsF strip = layout.margins(QPageLayout::Point) * (kResolution / kPointsPerInch);
    printable_ = QRectF(0, 0, writer_->width(), writer_->height()).marginsRemoved(strip);
    if (!painter_.begin(writer_.get())) {
        throw PrintError("The print job cannot be started.");
    }
    painter_.setFont(DefaultFont());
}

PdfJob::~PdfJob() {
    // An unfinished job: its file is discarded with the save file or the spool.
    if (painter_.isActive()) {
        painter_.end();
    }
}

double PdfJob::twipsToPixelsX(double twips) const {
    return twips * writer_->logicalDpiX() / kTwipsPerInch;
}

double PdfJob::twipsToPixelsY(double twips) const {
    return twips * writer_->logicalDpiY() / kTwipsPerInch;
}

QPainter& PdfJob::drawingPage() {
    while (sheets_ <= currentPage_) {
        if (!writer_->newPage()) {
            throw PrintError("The printer could not start a new page.");
        }
        ++sheets_;
    }
    drawn_ = true;
    return painter_;
}

void PdfJob::printLine(const QString& text) {
    const QFontMetricsF metrics(painter_.font(), writer_.get());
    if (lineY_ > 0 && lineY_ + metrics.height() > printable_.height()) {
        newPage();
    }
    drawingPage().drawText(QPointF(printable_.left(), printable_.top() + lineY_ + metrics.ascent()),
                           text);
    lineY_ += metrics.lineSpacing();
}

void PdfJob::drawPicture(const QString& hostPath, int xTwips, int yTwips, PictureFit fit) {
    QImageReader reader(hostPath);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        throw PrintError("The picture " + Text(hostPath) +
                         " cannot be read: " + Text(reader.errorString()));
    }
    const QPointF corner(printable_.left() + twipsToPixelsX(xTwips),
                         printable_.top() + twipsToPixelsY(yTwips));
    QSizeF size(twipsToPixelsX(picture.width() * kTwipsPerPicturePixel),
                twipsToPixelsY(picture.height() * kTwipsPerPicturePixel));
    if (fit != PictureFit::OwnSize) {
        // ShrinkToMargin mirrors the picture's distance from the left edge at the other two.
        const bool mirror = fit == PictureFit::ShrinkToMargin;
        const double roomX =
            printable_.right() - (mirror ? twipsToPixelsX(xTwips) : 0) - corner.x();
        const double roomY =
            printable_.bottom() - (mirror ? twipsToPixelsY(xTwips) : 0) - corner.y();
        if (roomX <= 0 || roomY <= 0) {
            throw PrintError("The picture " + Text(hostPath) + " lies outside the page.");
        }
        size *= std::min({1.0, roomX / size.width(), roomY / size.height()});
    }
    drawingPage().drawImage(QRectF(corner, size), picture);
}

void PdfJob::newPage() {
    ++currentPage_;
    lineY_ = 0;
}

int PdfJob::printRichTextPages(const QTextDocument& document, const Margins& margins,
                               const PrintProgress& progress) {
    return PaintRichTextPages(
        painter_, document, margins,
        [this](int page) {
            if (page > 0) {
                newPage();
            }
            // Every page of the text opens with a blank line, as the page printer always
            // did: an empty text still prints its page.
            printLine(QStringLiteral(" "));
        },
        progress);
}

int PdfJob::finish() {
    painter_.end();
    if (!drawn_) {
        return 0;
    }
    if (auto* file = dynamic_cast<QSaveFile*>(file_.get())) {
        if (!file->commit()) {
            throw PrintError("The file " + Text(file->fileName()) +
                             " could not be written: " + Text(file->errorString()));
        }
    } else if (!file_->flush() || file_->error() != QFileDevice::NoError) {
        throw PrintError("The print job could not be prepared: " + Text(file_->errorString()));
    }
    return sheets_;
}

QString PdfJob::fileName() const {
    return file_->fileName();
}

}  // namespace velocarta
