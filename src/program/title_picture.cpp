#include "program/title_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velocarta {

QImage TitlePicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(18, 32, 74));
    sky.setColorAt(1, QColor(120, 20, 28));
    painter.fillRect(picture.rect(), sky);

    const qreal w = size.width();
    const qreal h = size.height();
    const QColor bar[] = {QColor(200, 30, 40), QColor(235, 235, 235), QColor(30, 60, 160)};
    for (int i = 0; i < 3; ++i) {
        painter.fillRect(QRectF(0.15 * w + i * 0.7 * w / 3, 0.62 * h, 0.7 * w / 3, 0.06 * h),
                         bar[i]);
    }
    QPainterPath bird;
    bird.moveTo(0.20 * w, 0.58 * h);
    bird.cubicTo(0.34 * w, 0.22 * h, 0.55 * w, 0.16 * h, 0.82 * w, 0.28 * h);
    bird.lineTo(0.62 * w, 0.34 * h);
    bird.lineTo(0.70 * w, 0.44 * h);
    bird.cubicTo(0.52 * w, 0.42 * h, 0.40 * w, 0.52 * h, 0.20 * w, 0.58 * h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 200, 80));
    painter.drawPath(bird);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(10, size.height() / 12));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(245, 240, 225));
    painter.drawText(QRectF(0, 0.74 * h, w, 0.2 * h), Qt::AlignCenter,
                     QStringLiteral("The Vantrel Velocarta 2000"));
    return picture;
}

}  // namespace velocarta
