#include "sampledisc/photos.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "sampledisc/drawing.h"

namespace velocarta::sampledisc {

namespace {

QString TrimmedCaption(const std::string& caption) {
    return QString::fromStdString(caption).trimmed();
}

}  // namespace

void DrawScene(QPainter& painter, const QRectF& area, int variant, const QColor& sky) {
    const double w = area.width();
    const double h = area.height();
    const double horizon = area.top() + h * 0.58;
    QLinearGradient air(area.topLeft(), QPointF(area.left(), horizon));
    if (variant == 2) {  // sunset
        air.setColorAt(0, QColor(60, 50, 120));
        air.setColorAt(1, QColor(250, 150, 80));
    } else if (variant == 3) {  // studio
        air.setColorAt(0, QColor(70, 72, 78));
        air.setColorAt(1, QColor(150, 152, 158));
    } else {
        air.setColorAt(0, sky.darker(140));
        air.setColorAt(1, sky.lighter(130));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(air);
    painter.drawRect(QRectF(area.left(), area.top(), w, horizon - area.top()));

    const QRectF groundBox(area.left(), horizon, w, area.bottom() - horizon);
    switch (variant % 6) {
        case 0: {  // road through hills
            painter.setBrush(QColor(110, 150, 80));
            QPainterPath hills;
            hills.moveTo(area.left(), horizon);
            for (int i = 0; i <= 8; ++i) {
                hills.quadTo(area.left() + w * (i + 0.5) / 8, horizon - h * (0.08 + 0.05 * (i % 3)),
                             area.left() + w * (i + 1) / 8, horizon);
            }
            painter.drawPath(hills);
            painter.setBrush(QColor(90, 140, 70));
            painter.drawRect(groundBox);
            painter.setBrush(QColor(70, 70, 75));
            painter.drawRect(QRectF(area.left(), area.top() + h * 0.78, w, h * 0.16));
            break;
        }
        case 1: {  // city
            for (int i = 0; i < 14; ++i) {
                const double bw = w / 14;
                const double bh = h * (0.12 + 0.03 * ((i * 7) % 5));
                painter.setBrush(QColor(60 + (i * 13) % 50, 60 + (i * 7) % 40, 80 + (i * 11) % 40));
                painter.drawRect(QRectF(area.left() + i * bw, horizon - bh, bw * 0.92, bh));
                painter.setBrush(QColor(250, 230, 150));
                for (int k = 1; k < 4; ++k) {
                    painter.drawRect(QRectF(area.left() + i * bw + bw * 0.2,
                                            horizon - bh + k * bh / 4, bw * 0.15, bh / 14));
                }
            }
            painter.setBrush(QColor(90, 90, 95));
            painter.drawRect(groundBox);
            break;
        }
        case 2: {  // beach at sunset
            painter.setBrush(QColor(255, 220, 120));
            painter.drawEllipse(QPointF(area.left() + w * 0.75, horizon - h * 0.04), h * 0.08,
                                h * 0.08);
            painter.setBrush(QColor(40, 70, 120));
            painter.drawRect(QRectF(area.left(), horizon, w, h * 0.1));
            painter.setBrush(QColor(220, 190, 140));
            painter.drawRect(QRectF(area.left(), horizon + h * 0.1, w, area.bottom() - horizon));
            break;
        }
        case 3: {  // studio floor
            QLinearGradient floor(QPointF(0, horizon), QPointF(0, area.bottom()));
            floor.setColorAt(0, QColor(120, 122, 128));
            floor.setColorAt(1, QColor(200, 202, 206));
            painter.setBrush(floor);
            painter.drawRect(groundBox);
            painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
            for (int i = 0; i <= 12; ++i) {
                painter.drawLine(QPointF(area.left() + w * i / 12, horizon),
                                 QPointF(area.left() + w * (i - 6) / 3 + w / 2, area.bottom()));
            }
            painter.setPen(Qt::NoPen);
            break;
        }
        case 4: {  // mountains
            painter.setBrush(QColor(110, 110, 130));
            QPolygonF peaks;
            peaks << QPointF(area.left(), horizon);
            for (int i = 0; i < 6; ++i) {
                peaks << QPointF(area.left() + w * (i + 0.5) / 6,
                                 horizon - h * (0.2 + 0.06 * (i % 2)))
                      << QPointF(area.left() + w * (i + 1) / 6, horizon - h * 0.05);
            }
            peaks << QPointF(area.right(), horizon);
            painter.drawPolygon(peaks);
            painter.setBrush(QColor(120, 110, 90));
            painter.drawRect(groundBox);
            painter.setBrush(QColor(80, 80, 85));
            painter.drawRect(QRectF(area.left(), area.top() + h * 0.8, w, h * 0.14));
            break;
        }
        default: {  // race track with grandstand
            painter.setBrush(QColor(170, 170, 175));
            painter.drawRect(QRectF(area.left(), horizon - h * 0.12, w, h * 0.12));
            for (int i = 0; i < 40; ++i) {
                painter.setBrush(QColor::fromHsv((i * 37) % 360, 120, 200));
                painter.drawEllipse(QPointF(area.left() + w * (i + 0.5) / 40,
                                            horizon - h * (0.03 + 0.05 * (i % 2))),
                                    w / 110, w / 110);
            }
            painter.setBrush(QColor(60, 60, 62));
            painter.drawRect(groundBox);
            painter.setBrush(Qt::white);
            for (int i = 0; i < 10; ++i) {
                painter.drawRect(
                    QRectF(area.left() + w * i / 10, area.top() + h * 0.93, w / 20, h * 0.015));
            }
            break;
        }
    }
}

QImage DrawPhoto(const PhotoItem& photo) {
    const int w = photo.width;
    const int h = photo.height;
    QImage image = NewCanvas(w, h, Qt::white);
    QPainter painter(&image);
    PreparePainter(painter);
    const QRectF area(0, 0, w, h);

    const bool merchandise = photo.year == 0 && photo.code != "PT" && photo.code != "DR" &&
                             photo.code != "K1" && photo.code != "K3" && photo.code != "VS";
    if (photo.year != 0) {
        DrawScene(painter, area, (photo.number - 1 + photo.year) % 6, SkyOfYear(photo.year));
        CarLook look;
        look.style = StyleOfYear(photo.year);
        if (photo.year >= 1965 && photo.year <= 1968 && photo.number % 2 == 0) {
            look.style = CarStyle::Fastback65;
        }
        look.body = PaintOfYear(photo.year, photo.number);
        look.whitewalls = photo.year <= 1966;
        look.convertible = photo.number == 3 && (photo.year <= 1973 || photo.year >= 1983);
        if ((photo.year == 1969 || photo.year == 1970 || photo.year == 1999) && photo.number != 3) {
            look.stripe = look.body.lightness() > 128 ? QColor(20, 20, 20) : QColor(245, 245, 245);
        }
        const double carW = w * 0.72;
        DrawCar(painter, QRectF(w * 0.14, h * 0.56, carW, carW / 3.3), look);
    } else if (merchandise) {
        QLinearGradient cloth(area.topLeft(), area.bottomLeft());
        const int hue = photo.number * 40 + photo.code[0] * 37 + photo.code[1] * 13;
        const QColor c = QColor::fromHsv(hue % 360, 60, 120);
        cloth.setColorAt(0, c.lighter(140));
        cloth.setColorAt(1, c.darker(120));
        painter.setPen(Qt::NoPen);
        painter.setBrush(cloth);
        painter.drawRect(area);
        DrawTopicSubject(painter, QRectF(w * 0.1, h * 0.2, w * 0.8, h * 0.72), photo.code,
                         photo.number);
    } else {
        DrawScene(painter, area, photo.code == "PT" ? 3 : (photo.number + 4) % 6,
                  QColor(120, 170, 220));
        DrawTopicSubject(painter, QRectF(w * 0.1, h * 0.3, w * 0.8, h * 0.6), photo.code,
                         photo.number);
    }

    // The caption banner.
    const QRectF banner(0, 0, w, h * 0.17);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawRect(banner);
    const QString title =
        photo.year != 0 ? QString::number(photo.year) : TrimmedCaption(photo.caption);
    DrawFittedText(
        painter, banner.adjusted(w * 0.03, 0, -w * 0.03, 0),
        QStringLiteral("%1 - photo %2 of %3").arg(title).arg(photo.number).arg(photo.count),
        SansFont(static_cast<int>(h * 0.09), true), Qt::white);
    const QString name = QString::fromStdString(photo.rel.substr(photo.rel.rfind('/') + 1));
    painter.setBrush(QColor(0, 0, 0, 110));
    const QRectF foot(0, h * 0.955, w, h * 0.045);
    painter.drawRect(foot);
    DrawFittedText(painter, foot.adjusted(w * 0.02, 0, -w * 0.02, 0),
                   QStringLiteral("The Vantrel Velocarta sample disc \u2022 %1 \u2022 %2\u00D7%3")
                       .arg(name)
                       .arg(w)
                       .arg(h),
                   SansFont(static_cast<int>(h * 0.03)), QColor(240, 240, 240),
                   Qt::AlignRight | Qt::AlignVCenter);
    painter.end();
    return image;
}

}  // namespace velocarta::sampledisc
