#include "program/caption_panel.h"

#include <QFontMetricsF>
#include <QPainter>

namespace velocarta {

CaptionPanel::CaptionPanel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

void CaptionPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRectF area = contentsRect().adjusted(4, 0, -4, 0);
    QFont font = this->font();
    const QString caption = text().trimmed();
    while (font.pointSizeF() > 6 && QFontMetricsF(font).horizontalAdvance(caption) > area.width()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignCenter, caption);
}

}  // namespace velocarta
