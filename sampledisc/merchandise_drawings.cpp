// The items of the merchandise topics and the cars of the editions, as their photos and
// documents show them.
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "sampledisc/drawing.h"
#include "sampledisc/photos.h"

namespace velocarta::sampledisc {

namespace {

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

}  // namespace velocarta::sampledisc
