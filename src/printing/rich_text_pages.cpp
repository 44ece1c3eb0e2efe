#include "printing/rich_text_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <memory>

#include "printing/page_painter.h"

namespace velocarta {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

QRectF TextArea(const QRectF& sheet, double dpiX, double dpiY, const Margins& margins) {
    const double left = margins.left * dpiX / kTwipsPerInch;
    const double top = margins.top * dpiY / kTwipsPerInch;
    const double right = margins.right * dpiX / kTwipsPerInch;
    const double bottom = margins.bottom * dpiY / kTwipsPerInch;
    return QRectF(sheet.left() + left, sheet.top() + top, sheet.width() - left - right,
                  sheet.height() - top - bottom);
}

int PaintRichTextPages(QPainter& painter, const QTextDocument& document, const Margins& margins,
                       const std::function<void(int)>& startPage, const PrintProgress& progress) {
    QPaintDevice& device = *painter.device();
    const QRectF sheet(0, 0, device.width(), device.height());
    const QRectF area = TextArea(sheet, device.logicalDpiX(), device.logicalDpiY(), margins);
    if (area.width() <= 0 || area.height() <= 0) {
        throw PrintError("The margins leave no room on the page.");
    }

    // A copy laid out for the printer: its fonts and pictures at the printer's resolution,
    // paginated so that lines that would cross the foot of a page move to the next one.
    std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&device);
    pages->setDocumentMargin(0);
    pages->setPageSize(area.size());
    const int pageCount = std::max(1, pages->pageCount());
    const double pageHeight = area.height();
    if (progress) {
        progress(0, pageCount);
    }

    for (int page = 0; page < pageCount; ++page) {
        startPage(page);
        // The page's lines, and nothing of the lines of other pages.
        PagePainterDevice pageDevice(painter, area);
        QPainter pagePainter(&pageDevice);
        pagePainter.translate(area.left(), area.top() - page * pageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * pageHeight, area.width(), pageHeight);
        context.palette.setColor(QPalette::Text, Qt::black);
        pages->documentLayout()->draw(&pagePainter, context);
        pagePainter.end();
        if (progress) {
            progress(page + 1, pageCount);
        }
    }
    return pageCount;
}

}  // namespace velocarta
