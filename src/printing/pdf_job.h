#pragma once

#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <memory>

#include "platform/qt/printer.h"

class QFileDevice;
class QPdfWriter;

namespace velocarta {

// One print job, drawn as a PDF: into the file it is meant for, or into a spool file that
// goes to a printer when the job ends. The sheet's coordinates start at its corner; lines
// and pictures are placed from the corner of the printable page, inside the unprintable
// strip of the printer (`layout`'s margins; none for a PDF file).
//
// The file appears only complete: a PDF file is written beside its final name and renamed
// when the job finishes; an abandoned job leaves no file, and neither does a spool.
class PdfJob {
  public:
    // `pdfFile` empty: a spool file in the temporary folder. Throws PrintError when the file
    // cannot be created.
    PdfJob(const QString& pdfFile, const QPageLayout& layout, const QString& title);
    ~PdfJob();
    PdfJob(const PdfJob&) = delete;
    PdfJob& operator=(const PdfJob&) = delete;

    void printLine(const QString& text);
    void drawPicture(const QString& hostPath, int xTwips, int yTwips, PictureFit fit);
    void newPage();
    int printRichTextPages(const QTextDocument& document, const Margins& margins,
                           const PrintProgress& progress);

    // Completes the PDF and returns its pages: 0 when nothing was drawn, in which case no
    // file is left. Throws PrintError when the file cannot be completed.
    int finish();
    // The file the job was written to: the PDF file, or the spool (valid until destroyed).
    QString fileName() const;

    // The printer's text font: the twelve lines of a photo page must end above the photo
    // 3000 twips down, which 10 points allow.
    static QFont DefaultFont();

  private:
    // The painter, on the sheet the current page belongs on (begun when first drawn on).
    QPainter& drawingPage();
    double twipsToPixelsX(double twips) const;
    double twipsToPixelsY(double twips) const;

    std::unique_ptr<QFileDevice> file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    QRectF printable_;     // device pixels, on the sheet
    int currentPage_ = 0;  // 0-based index of the page things go on
    int sheets_ = 1;       // sheets begun in the PDF (the first begins with it)
    bool drawn_ = false;
    double lineY_ = 0;  // where the next line starts, below the top of the printable page
};

}  // namespace velocarta
