#pragma once

#include <QRectF>
#include <functional>

#include "platform/qt/printer.h"

class QPainter;
class QPagedPaintDevice;
class QTextDocument;

namespace velocarta {

// Lays the document out for the device's pages inside the margins (measured from the
// sheet's edge: the painter's origin must be the sheet's corner) and paints it page after
// page, starting each page with the blank that opens it. A line never crosses a page
// break, and each page draws only its own lines, so no line is ever painted twice, not
// even invisibly outside a clip. Returns the number of pages.
int PaintRichTextPages(QPagedPaintDevice& device, QPainter& painter, const QTextDocument& document,
                       const Margins& margins, const std::function<void(int, int)>& progress);

// The area inside the margins on a sheet of `sheet` device pixels at `dpiX` by `dpiY`.
QRectF TextArea(const QRectF& sheet, double dpiX, double dpiY, const Margins& margins);

}  // namespace velocarta
