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

CarLook LookOfTopic(std::string_view code, int number) {
    CarLook look;
    if (code == "PT") {
        look.style = number == 1 ? CarStyle::Roadster
                                 : (number % 2 == 0 ? CarStyle::Notchback64 : CarStyle::Fastback65);
        look.body = number % 2 == 0 ? QColor(190, 180, 160) : QColor(160, 165, 170);  // clay
        look.convertible = number == 1;
    } else if (code == "DR") {
        look.style = CarStyle::Notchback64;
        look.body = QColor(24, 90, 50);  // Highland Green
        look.stripe = QColor(212, 175, 55);
        look.convertible = number == 3;
    } else if (code == "K1") {
        look.style = CarStyle::Fastback65;
        look.body = QColor(240, 240, 236);
        look.stripe = QColor(25, 60, 150);
        look.raceNumber = QString::number(10 + number * 7);
    } else if (code == "K3") {
        look.style = CarStyle::Restyled69;
        look.body = number % 2 == 0 ? QColor(230, 170, 20) : QColor(178, 24, 30);
        look.stripe = QColor(20, 20, 20);
    } else {  // "VS"
        look.style = CarStyle::Restyled69;
        look.body = QColor(25, 25, 28);
        look.stripe = QColor(200, 30, 30);
    }
    return look;
}

void DrawStamp(QPainter& painter, const QRectF& box, int number) {
    const double side = std::min(box.width() * 0.7, box.height());
    const QRectF stamp(box.center().x() - side * 0.4, box.center().y() - side / 2, side * 0.8,
                       side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 248, 240));
    painter.drawRect(stamp);
    // Perforations along every edge.
    painter.setBrush(QColor(60, 60, 60));
    const double hole = side / 28;
    for (double x = stamp.left(); x <= stamp.right(); x += hole * 2.5) {
        painter.drawEllipse(QPointF(x, stamp.top()), hole, hole);
        painter.drawEllipse(QPointF(x, stamp.bottom()), hole, hole);
    }
    for (double y = stamp.top(); y <= stamp.bottom(); y += hole * 2.5) {
        painter.drawEllipse(QPointF(stamp.left(), y), hole, hole);
        painter.drawEllipse(QPointF(stamp.right(), y), hole, hole);
    }
    const QRectF picture = stamp.adjusted(side * 0.08, side * 0.08, -side * 0.08, -side * 0.3);
    painter.setBrush(QColor::fromHsv((number * 45) % 360, 70, 230));
    painter.drawRect(picture);
    CarLook look;
    look.style = number % 2 == 0 ? CarStyle::Fastback65 : CarStyle::Notchback64;
    look.body = QColor::fromHsv((number * 45 + 180) % 360, 200, 170);
    DrawCar(painter,
            QRectF(picture.left() + picture.width() * 0.05, picture.top() + picture.height() * 0.45,
                   picture.width() * 0.9, picture.height() * 0.4),
            look);
    DrawFittedText(painter, QRectF(stamp.left(), picture.bottom(), stamp.width(), side * 0.13),
                   QStringLiteral("VANTREL %1-%2").arg(1964).arg(1964 + number * 5),
                   SerifFont(static_cast<int>(side * 0.07), true), QColor(40, 40, 40));
    DrawFittedText(painter,
                   QRectF(stamp.left(), picture.bottom() + side * 0.11, stamp.width(), side * 0.12),
                   QStringLiteral("%1\u00A2").arg(5 + number * 3),
                   SansFont(static_cast<int>(side * 0.08), true), QColor(150, 20, 20));
}

void DrawMetalSign(QPainter& painter, const QRectF& box, int number) {
    const QRectF sign = box.adjusted(box.width() * 0.08, box.height() * 0.1, -box.width() * 0.08,
                                     -box.height() * 0.1);
    const QColor base = QColor::fromHsv((number * 70 + 200) % 360, 160, 150);
    QLinearGradient metal(sign.topLeft(), sign.bottomRight());
    metal.setColorAt(0, base.lighter(130));
    metal.setColorAt(1, base.darker(130));
    painter.setPen(QPen(QColor(230, 230, 230), sign.height() / 40));
    painter.setBrush(metal);
    painter.drawRoundedRect(sign, sign.height() / 12, sign.height() / 12);
    painter.setBrush(QColor(200, 200, 205));
    painter.setPen(Qt::NoPen);
    const double rivet = sign.height() / 30;
    for (const QPointF corner :
         {sign.topLeft(), sign.topRight(), sign.bottomLeft(), sign.bottomRight()}) {
        const QPointF inward((sign.center().x() - corner.x()) * 0.06,
                             (sign.center().y() - corner.y()) * 0.12);
        painter.drawEllipse(corner + inward, rivet, rivet);
    }
    // A little rust.
    painter.setBrush(QColor(140, 70, 30, 120));
    painter.drawEllipse(
        QPointF(sign.right() - sign.width() * 0.12, sign.bottom() - sign.height() * 0.14),
        sign.width() * 0.05, sign.height() * 0.06);
    DrawKestrix(painter,
                QRectF(sign.left() + sign.width() * 0.06, sign.top() + sign.height() * 0.18,
                       sign.height() * 0.5, sign.height() * 0.4),
                QColor(245, 245, 245));
    static const std::array<const char*, 4> kWords{"SALES & SERVICE", "GENUINE PARTS",
                                                   "VANTRELERS WELCOME", "FULL SERVICE"};
    DrawFittedText(painter,
                   QRectF(sign.left() + sign.height() * 0.6, sign.top() + sign.height() * 0.12,
                          sign.width() - sign.height() * 0.7, sign.height() * 0.35),
                   QStringLiteral("VANTREL"),
                   SerifFont(static_cast<int>(sign.height() * 0.3), true), QColor(250, 240, 200));
    DrawFittedText(
        painter,
        QRectF(sign.left() + sign.width() * 0.05, sign.top() + sign.height() * 0.6,
               sign.width() * 0.9, sign.height() * 0.25),
        QString::fromLatin1(kWords[static_cast<std::size_t>(number - 1) % kWords.size()]),
        SansFont(static_cast<int>(sign.height() * 0.16), true), QColor(250, 240, 200));
}

void DrawKnife(QPainter& painter, const QRectF& box, int number) {
    const double len = box.width() * 0.85;
    const double x = box.center().x() - len / 2;
    const double y = box.center().y();
    const double t = box.height() * 0.12;
    // Blade.
    QPolygonF blade;
    blade << QPointF(x + len * 0.45, y - t * 0.6) << QPointF(x + len * 0.95, y - t * 0.4)
          << QPointF(x + len, y + t * 0.2) << QPointF(x + len * 0.45, y + t * 0.6);
    QLinearGradient steel(QPointF(0, y - t), QPointF(0, y + t));
    steel.setColorAt(0, QColor(245, 245, 250));
    steel.setColorAt(1, QColor(150, 155, 165));
    painter.setPen(QPen(QColor(80, 80, 90), std::max(1.0, t / 12)));
    painter.setBrush(steel);
    painter.drawPolygon(blade);
    // Handle with an inlay of the year colour.
    const QRectF handle(x, y - t * 0.8, len * 0.46, t * 1.6);
    painter.setBrush(QColor::fromHsv((number * 60) % 360, 120, 120));
    painter.drawRoundedRect(handle, t * 0.6, t * 0.6);
    painter.setBrush(QColor(212, 175, 55));
    painter.drawRect(QRectF(x + len * 0.43, y - t * 0.9, len * 0.03, t * 1.8));
    DrawKestrix(painter, QRectF(x + len * 0.12, y - t * 0.7, len * 0.2, t * 1.4),
                QColor(240, 230, 200));
}

void DrawModelOnBase(QPainter& painter, const QRectF& box, int number, bool showcase) {
    const QRectF base(box.left() + box.width() * 0.1, box.bottom() - box.height() * 0.28,
                      box.width() * 0.8, box.height() * 0.14);
    QLinearGradient wood(base.topLeft(), base.bottomLeft());
    wood.setColorAt(0, showcase ? QColor(40, 40, 45) : QColor(150, 95, 50));
    wood.setColorAt(1, showcase ? QColor(10, 10, 12) : QColor(90, 50, 25));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wood);
    painter.drawRect(base);
    painter.setBrush(QColor(212, 175, 55));
    const QRectF plate(base.center().x() - base.width() * 0.15, base.top() + base.height() * 0.25,
                       base.width() * 0.3, base.height() * 0.5);
    painter.drawRect(plate);
    DrawFittedText(painter, plate, QStringLiteral("19%1").arg(64 + number * 5),
                   SerifFont(static_cast<int>(plate.height() * 0.7), true), QColor(60, 40, 10));
    CarLook look;
    const int year = 1964 + number * 5;
    look.style = StyleOfYear(year);
    look.body = PaintOfYear(year, number);
    look.whitewalls = year < 1967;
    DrawCar(painter,
            QRectF(base.left() + base.width() * 0.05, base.top() - box.height() * 0.36,
                   base.width() * 0.9, box.height() * 0.37),
            look);
    if (showcase) {
        painter.setPen(QPen(QColor(255, 255, 255, 160), std::max(1.0, box.height() / 150)));
        painter.setBrush(QColor(200, 220, 255, 40));
        painter.drawRect(QRectF(base.left(), box.top() + box.height() * 0.12, base.width(),
                                base.top() - box.top() - box.height() * 0.12));
    }
}

void DrawCookieTin(QPainter& painter, const QRectF& box, int number) {
    const double r = std::min(box.width(), box.height()) * 0.42;
    const QPointF c = box.center();
    QRadialGradient tin(c, r);
    const QColor color = QColor::fromHsv((number * 85 + 10) % 360, 150, 200);
    tin.setColorAt(0, color.lighter(120));
    tin.setColorAt(1, color.darker(140));
    painter.setPen(QPen(QColor(220, 220, 225), r / 18));
    painter.setBrush(tin);
    painter.drawEllipse(c, r, r);
    painter.setPen(QPen(QColor(250, 240, 210), r / 40));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, r * 0.85, r * 0.85);
    CarLook look;
    look.style = number % 2 == 0 ? CarStyle::Fastback65 : CarStyle::Restyled69;
    look.body = QColor(250, 250, 245);
    DrawCar(painter, QRectF(c.x() - r * 0.65, c.y() - r * 0.15, r * 1.3, r * 0.45), look);
    DrawSlantedText(painter, QRectF(c.x() - r * 0.7, c.y() - r * 0.65, r * 1.4, r * 0.4),
                    QStringLiteral("Vantrel Cookies"), SerifFont(static_cast<int>(r * 0.22), true),
                    QColor(255, 250, 230));
    DrawFittedText(painter, QRectF(c.x() - r * 0.6, c.y() + r * 0.35, r * 1.2, r * 0.3),
                   QStringLiteral("Butter Crisps \u2022 Tin %1").arg(number),
                   SansFont(static_cast<int>(r * 0.11), true), QColor(255, 250, 230));
}

void DrawGameBoard(QPainter& painter, const QRectF& box, int number) {
    const double side = std::min(box.width(), box.height()) * 0.9;
    const QRectF board(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    painter.setPen(QPen(QColor(30, 30, 30), std::max(1.0, side / 300)));
    painter.setBrush(QColor(205, 230, 205));
    painter.drawRect(board);
    const int cells = 9;
    const double cell = side / (cells + 2);
    for (int i = 0; i < cells + 2; ++i) {
        for (const QPointF p : {QPointF(board.left() + i * cell, board.top()),
                                QPointF(board.left() + i * cell, board.bottom() - cell),
                                QPointF(board.left(), board.top() + i * cell),
                                QPointF(board.right() - cell, board.top() + i * cell)}) {
            painter.setBrush(i % 3 == 1 ? QColor::fromHsv((i * 36 + number * 20) % 360, 160, 220)
                                        : QColor(245, 245, 235));
            painter.drawRect(QRectF(p, QSizeF(cell, cell)));
        }
    }
    DrawFittedText(painter, board.adjusted(cell * 1.5, side * 0.3, -cell * 1.5, -side * 0.55),
                   QStringLiteral("VANTREL-OPOLY"), SerifFont(static_cast<int>(side * 0.09), true),
                   QColor(170, 20, 20));
    CarLook look;
    look.style = CarStyle::Fastback65;
    look.body = QColor(180, 180, 185);  // the pewter token
    const double token = cell * 2.2;
    DrawCar(
        painter,
        QRectF(board.left() + cell * (1 + number), board.bottom() - cell * 2.2, token, token / 3),
        look);
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

void DrawTopicSubject(QPainter& painter, const QRectF& box, std::string_view code, int number) {
    if (code == "ZZ") {
        DrawStamp(painter, box, number);
    } else if (code == "VM") {
        DrawMetalSign(painter, box, number);
    } else if (code == "TE") {
        DrawKnife(painter, box, number);
    } else if (code == "TD") {
        DrawModelOnBase(painter, box, number, false);
    } else if (code == "TF") {
        DrawModelOnBase(painter, box, number, true);
    } else if (code == "VC") {
        DrawCookieTin(painter, box, number);
    } else if (code == "US") {
        DrawGameBoard(painter, box, number);
    } else {
        const double carHeight = std::min(box.height() * 0.6, box.width() / 3.2);
        DrawCar(painter,
                QRectF(box.left() + (box.width() - carHeight * 3.2) / 2,
                       box.bottom() - carHeight * 1.15, carHeight * 3.2, carHeight),
                LookOfTopic(code, number));
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
