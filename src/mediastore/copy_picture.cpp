#include "mediastore/copy_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace velocarta {

namespace {

void DrawDisc(QPainter& painter, QPointF centre, qreal radius) {
    QRadialGradient silver(centre, radius);
    silver.setColorAt(0.0, QColor(250, 250, 252));
    silver.setColorAt(0.55, QColor(190, 200, 220));
    silver.setColorAt(0.8, QColor(225, 210, 235));
    silver.setColorAt(1.0, QColor(160, 170, 190));
    painter.setPen(QPen(QColor(90, 95, 110), 1.5));
    painter.setBrush(silver);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(235, 235, 240));
    painter.drawEllipse(centre, radius * 0.3, radius * 0.3);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius * 0.1, radius * 0.1);
}

void DrawHardDrive(QPainter& painter, QRectF box) {
    QLinearGradient metal(box.topLeft(), box.bottomLeft());
    metal.setColorAt(0.0, QColor(200, 204, 210));
    metal.setColorAt(1.0, QColor(120, 126, 136));
    painter.setPen(QPen(QColor(60, 64, 72), 1.5));
    painter.setBrush(metal);
    painter.drawRoundedRect(box, 6, 6);
    const QRectF front = box.adjusted(8, box.height() * 0.62, -8, -8);
    painter.setBrush(QColor(70, 74, 82));
    painter.drawRoundedRect(front, 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(80, 220, 90));
    const qreal lamp = std::max<qreal>(front.height() * 0.35, 3);
    painter.drawEllipse(QPointF(front.right() - lamp * 2, front.center().y()), lamp, lamp);
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, qreal thickness) {
    const qreal head = thickness * 1.6;
    QPainterPath arrow;
    arrow.moveTo(from.x(), from.y() - thickness / 2);
    arrow.lineTo(to.x() - head, from.y() - thickness / 2);
    arrow.lineTo(to.x() - head, from.y() - head);
    arrow.lineTo(to.x(), from.y());
    arrow.lineTo(to.x() - head, from.y() + head);
    arrow.lineTo(to.x() - head, from.y() + thickness / 2);
    arrow.lineTo(from.x(), from.y() + thickness / 2);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(20, 60, 120), 1));
    painter.setBrush(QColor(50, 110, 200));
    painter.drawPath(arrow);
}

}  // namespace

QPixmap DiscToHardDrivePicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal height = size.height();
    const qreal middle = height / 2;
    const qreal radius = height * 0.42;
    const QPointF disc(size.width() * 0.22, middle);
    DrawDisc(painter, disc, radius);
    const QRectF drive(size.width() * 0.62, middle - height * 0.3, size.width() * 0.26,
                       height * 0.6);
    DrawHardDrive(painter, drive);
    DrawArrow(painter, {disc.x() + radius + 12, middle}, {drive.left() - 12, middle},
              height * 0.14);
    return picture;
}

}  // namespace velocarta
