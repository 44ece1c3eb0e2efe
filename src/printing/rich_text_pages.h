#pragma once

#include <QRectF>
#include <functional>

#include "platform/qt/printer.h"

class QPainter;
class QTextDocument;

namespace velocarta {

// Lays the document out for the painter's device inside the margins (measured from the
// sheet's edge: the painter's origin must be the sheet's corner) and paints it page after
// page. `startPage(page)` runs before each page is painted (0 for the first): it moves the
// painter's device on to the sheet that page belongs on. A line never crosses a page break,
// and each page draws only its own lines, so no line is ever painted twice, not even
// invisibly outside a clip. Returns the number of pages.
int PaintRichTextPages(QPainter& painter, const QTextDocument& document, const Margins& margins,
                       const std::function<void(int)>& startPage, const PrintProgress& progress);

// The area inside the margins on a sheet of `sheet` device pixels at `dpiX` by `dpiY`.
QRectF TextArea(const QRectF& sheet, double dpiX, double dpiY, const Margins& margins);

}  // namespace velocarta
