#include "sampledisc/drawing.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <stdexcept>

namespace velocarta::sampledisc {

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";
constexpr std::array<const char*, 4> kFontFiles{
    "DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-BoldItalic.ttf"};
QString gSans;
QString gSerif;

// Outline proportions of a body style, as fractions of the car's box (x along the car from
// the front bumper, y down from the roof line's box top).
struct Profile {
    double noseTop;     // height of the front end
    double hoodEnd;     // where the windscreen starts
    double roofFront;   // top of the windscreen
    double roofBack;    // end of the roof
    double deckStart;   // bottom of the rear window
    double roofY;       // roof height
    double beltY;       // bottom of the windows
    double tailY;       // height of the rear end
    double frontWheel;  // wheel centres
    double rearWheel;
    double wheelRadius;  // as a fraction of the box height
    bool rounded;
};

Profile ProfileOf(CarStyle style) {
    switch (style) {
        case CarStyle::Notchback64:
            return {0.46, 0.42, 0.50, 0.68, 0.78, 0.10, 0.44, 0.44, 0.17, 0.79, 0.16, false};
        case CarStyle::Fastback65:
            return {0.46, 0.42, 0.50, 0.62, 0.95, 0.10, 0.44, 0.46, 0.17, 0.79, 0.16, false};
        case CarStyle::Restyled69:
            return {0.50, 0.45, 0.54, 0.66, 0.93, 0.16, 0.47, 0.46, 0.17, 0.80, 0.16, false};
        case CarStyle::Compact74:
            return {0.48, 0.36, 0.46, 0.68, 0.84, 0.08, 0.44, 0.46, 0.18, 0.80, 0.16, false};
        case CarStyle::Wedge79:
            return {0.56, 0.37, 0.48, 0.66, 0.93, 0.10, 0.45, 0.44, 0.17, 0.80, 0.15, false};
        case CarStyle::Rounded94:
            return {0.55, 0.38, 0.50, 0.64, 0.90, 0.12, 0.46, 0.42, 0.17, 0.80, 0.17, true};
        case CarStyle::Roadster:
            break;
    }
    return {0.58, 0.48, 0.56, 0.60, 0.70, 0.30, 0.50, 0.46, 0.17, 0.80, 0.15, true};
}

// Rounds a closed polygon by running quadratic curves through the midpoints of its sides.
QPainterPath Smooth(const QPolygonF& points) {
    QPainterPath path;
    const int n = static_cast<int>(points.size());
    auto mid = [&](int i) { return (points[i % n] + points[(i + 1) % n]) / 2; };
    path.moveTo(mid(0));
    for (int i = 1; i <= n; ++i) {
        path.quadTo(points[i % n], mid(i));
    }
    path.closeSubpath();
    return path;
}

QPainterPath Outline(const QPolygonF& points, bool rounded) {
    if (rounded) {
        return Smooth(points);
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

}  // namespace

void LoadFonts() {
    if (!gSans.isEmpty()) {
        return;
    }
    QStringList families;
    for (const char* file : kFontFiles) {
        const QString path = QString::fromLatin1(kFontFolder) + QString::fromLatin1(file);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            throw std::runtime_error("cannot load the font " + path.toStdString() +
                                     " (install fonts-dejavu-core)");
        }
        families += QFontDatabase::applicationFontFamilies(id);
    }
    gSans = QStringLiteral("DejaVu Sans");
    gSerif = QStringLiteral("DejaVu Serif");
    if (!families.contains(gSans) || !families.contains(gSerif)) {
        throw std::runtime_error("the DejaVu font files do not name their families");
    }
}

QFont SansFont(int pixelSize, bool bold) {
    QFont font(gSans);
    font.setPixelSize(std::max(pixelSize, 6));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont SerifFont(int pixelSize, bool bold) {
    QFont font(gSerif);
    font.setPixelSize(std::max(pixelSize, 6));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage NewCanvas(int width, int height, const QColor& background) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    image.setDotsPerMeterX(2835);  // 72 dpi
    image.setDotsPerMeterY(2835);
    return image;
}

void PreparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

std::string EncodeJpeg(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", quality)) {
        throw std::runtime_error("the JPEG writer of Qt is missing (qt6 imageformats)");
    }
    return bytes.toStdString();
}

std::string EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        throw std::runtime_error("cannot write a PNG picture");
    }
    return bytes.toStdString();
}

CarStyle StyleOfYear(int year) {
    if (year <= 1968) {
        return CarStyle::Notchback64;
    }
    if (year <= 1973) {
        return CarStyle::Restyled69;
    }
    if (year <= 1978) {
        return CarStyle::Compact74;
    }
    if (year <= 1993) {
        return CarStyle::Wedge79;
    }
    return CarStyle::Rounded94;
}

QColor PaintOfYear(int year, int number) {
    static const std::array<QColor, 9> kPaints{
        QColor(178, 24, 30),   QColor(20, 60, 140),  QColor(235, 235, 228),
        QColor(24, 90, 50),    QColor(230, 170, 20), QColor(25, 25, 28),
        QColor(120, 130, 140), QColor(200, 80, 20),  QColor(90, 30, 110)};
    return kPaints[static_cast<std::size_t>(year * 3 + number * 2) % kPaints.size()];
}

QColor SkyOfYear(int year) {
    return QColor::fromHsv((year - 1964) * 10 % 360, 90, 235);
}

void DrawCar(QPainter& painter, const QRectF& box, const CarLook& look) {
    const Profile p = ProfileOf(look.style);
    const double x0 = box.left();
    const double y0 = box.top();
    const double w = box.width();
    const double h = box.height();
    auto at = [&](double fx, double fy) { return QPointF(x0 + fx * w, y0 + fy * h); };
    const double sill = 0.84;

    painter.save();
    const QPen outline(look.lineArt ? QColor(20, 20, 20) : look.body.darker(170),
                       std::max(1.0, h / (look.lineArt ? 45 : 90)));

    // Shadow on the ground.
    if (!look.lineArt) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 70));
        painter.drawEllipse(QRectF(at(0.02, 0.92), at(0.98, 1.02)));
    }

    // Body below the windows.
    QPolygonF body;
    body << at(0.0, sill) << at(0.0, p.noseTop) << at(0.02, p.noseTop - 0.03)
         << at(p.hoodEnd, p.beltY) << at(p.deckStart, p.beltY - 0.01) << at(0.985, p.tailY - 0.02)
         << at(1.0, p.tailY) << at(1.0, sill);
    QPainterPath bodyPath = Outline(body, p.rounded);
    // Greenhouse: windscreen, roof, rear window.
    QPolygonF cabin;
    cabin << at(p.hoodEnd, p.beltY + 0.01) << at(p.roofFront, p.roofY) << at(p.roofBack, p.roofY)
          << at(p.deckStart, p.beltY + 0.01);
    if (look.convertible) {
        cabin.clear();
        cabin << at(p.hoodEnd, p.beltY + 0.01) << at(p.roofFront - 0.02, p.roofY + 0.12)
              << at(p.roofFront, p.roofY + 0.12) << at(p.hoodEnd + 0.05, p.beltY + 0.01);
    }
    QPainterPath cabinPath = Outline(cabin, p.rounded);

    QLinearGradient shine(at(0, p.roofY), at(0, sill));
    if (look.lineArt) {
        shine.setColorAt(0, Qt::white);
        shine.setColorAt(1, Qt::white);
    } else {
        shine.setColorAt(0, look.body.lighter(135));
        shine.setColorAt(0.55, look.body);
        shine.setColorAt(1, look.body.darker(150));
    }
    painter.setPen(outline);
    painter.setBrush(shine);
    painter.drawPath(cabinPath.united(bodyPath));

    // Windows.
    QPolygonF glass;
    const double inset = 0.015;
    glass << at(p.hoodEnd + 0.03, p.beltY - 0.005) << at(p.roofFront + inset, p.roofY + 0.05)
          << at(p.roofBack - inset, p.roofY + 0.05) << at(p.deckStart - 0.04, p.beltY - 0.005);
    if (!look.convertible) {
        painter.setBrush(look.lineArt ? QColor(235, 240, 250) : QColor(150, 185, 215));
        painter.drawPath(Outline(glass, p.rounded));
        const double pillar = (p.roofFront + p.roofBack) / 2 + 0.02;
        painter.drawLine(at(pillar, p.roofY + 0.05), at(pillar, p.beltY - 0.005));
    }

    // Stripes, door line, lights, bumpers.
    if (look.stripe.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(look.stripe);
        painter.drawRect(
            QRectF(at(0.01, (p.beltY + sill) / 2 - 0.04), at(0.99, (p.beltY + sill) / 2 + 0.01)));
    }
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    const double door = p.hoodEnd + 0.02;
    painter.drawLine(at(door, p.beltY + 0.02), at(door + 0.01, sill - 0.04));
    painter.drawLine(at(door + 0.24, p.beltY + 0.02), at(door + 0.23, sill - 0.04));
    painter.setBrush(QColor(255, 250, 215));
    painter.drawEllipse(QRectF(at(0.005, p.noseTop + 0.03), at(0.045, p.noseTop + 0.13)));
    painter.setBrush(QColor(200, 20, 20));
    painter.drawRect(QRectF(at(0.975, p.tailY + 0.04), at(0.998, p.tailY + 0.13)));
    if (look.style == CarStyle::Notchback64 || look.style == CarStyle::Fastback65 ||
        look.style == CarStyle::Restyled69) {
        painter.setPen(QPen(QColor(215, 215, 220), h / 30));
        painter.drawLine(at(-0.01, sill - 0.05), at(0.06, sill - 0.05));
        painter.drawLine(at(0.94, sill - 0.05), at(1.01, sill - 0.05));
    }

    if (!look.raceNumber.isEmpty()) {
        const QRectF roundel(at(0.47, p.beltY + 0.05), at(0.62, sill - 0.03));
        painter.setPen(outline);
        painter.setBrush(Qt::white);
        painter.drawEllipse(roundel);
        painter.setFont(SansFont(static_cast<int>(roundel.height() * 0.6), true));
        painter.setPen(Qt::black);
        painter.drawText(roundel, Qt::AlignCenter, look.raceNumber);
    }

    // Wheels.
    for (const double fx : {p.frontWheel, p.rearWheel}) {
        const QPointF centre = at(fx, sill);
        const double r = p.wheelRadius * h * 1.45;
        painter.setPen(outline);
        painter.setBrush(look.lineArt ? QColor(Qt::white) : QColor(25, 25, 25));
        painter.drawEllipse(centre, r, r);
        if (look.whitewalls && !look.lineArt) {
            painter.setBrush(QColor(240, 240, 235));
            painter.drawEllipse(centre, r * 0.72, r * 0.72);
        }
        painter.setBrush(look.lineArt ? QColor(Qt::white) : QColor(190, 192, 198));
        painter.drawEllipse(centre, r * 0.5, r * 0.5);
        painter.drawEllipse(centre, r * 0.15, r * 0.15);
    }
    painter.restore();
}

void DrawKestrix(QPainter& painter, const QRectF& box, const QColor& bird) {
    const double x0 = box.left();
    const double y0 = box.top();
    const double w = box.width();
    const double h = box.height();
    auto at = [&](double fx, double fy) { return QPointF(x0 + fx * w, y0 + fy * h); };
    painter.save();

    // The tricolour bar.
    const std::array<QColor, 3> stripes{QColor(200, 25, 35), QColor(248, 248, 248),
                                        QColor(25, 50, 140)};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(stripes[static_cast<std::size_t>(i)]);
        painter.drawRect(QRectF(at(0.05 + 0.3 * i, 0.76), at(0.35 + 0.3 * i, 0.90)));
    }
    painter.setPen(QPen(QColor(40, 40, 40), std::max(1.0, h / 80)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(at(0.05, 0.76), at(0.95, 0.90)));

    // The kestrel, running to the right with its wing raised.
    painter.setPen(Qt::NoPen);
    painter.setBrush(bird);
    QPolygonF wing;
    wing << at(0.56, 0.42) << at(0.34, 0.06) << at(0.22, 0.10) << at(0.30, 0.22) << at(0.40, 0.47);
    painter.drawPolygon(wing);
    QPolygonF tail;
    tail << at(0.36, 0.46) << at(0.10, 0.55) << at(0.12, 0.62) << at(0.38, 0.55);
    painter.drawPolygon(tail);
    painter.save();
    painter.translate(at(0.50, 0.47));
    painter.rotate(-14);
    painter.drawEllipse(QPointF(0, 0), 0.19 * w, 0.10 * h);
    painter.restore();
    painter.drawEllipse(at(0.70, 0.33), 0.065 * w, 0.075 * h);
    QPolygonF beak;
    beak << at(0.75, 0.30) << at(0.84, 0.35) << at(0.75, 0.37);
    painter.drawPolygon(beak);
    painter.setPen(QPen(bird, std::max(1.0, h / 30), Qt::SolidLine, Qt::RoundCap));
    painter.drawPolyline(QPolygonF{at(0.48, 0.55), at(0.40, 0.68), at(0.33, 0.75)});
    painter.drawPolyline(QPolygonF{at(0.56, 0.54), at(0.64, 0.66), at(0.72, 0.75)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 200, 40));
    painter.drawEllipse(at(0.72, 0.31), 0.015 * w, 0.018 * h);
    painter.restore();
}

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, QFont font,
                    const QColor& color, int flags) {
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width()) {
        font.setPixelSize(font.pixelSize() * 9 / 10);
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, flags, text);
    painter.restore();
}

void DrawSlantedText(QPainter& painter, const QRectF& box, const QString& text, QFont font,
                     const QColor& color) {
    const QPointF centre = box.center();
    painter.save();
    painter.translate(centre);
    painter.shear(kSlant, 0);
    // The shear leans the letters; narrowing the box keeps them inside it.
    const QRectF upright(-box.width() / 2, -box.height() / 2,
                         box.width() - std::abs(kSlant) * box.height(), box.height());
    DrawFittedText(painter, upright.translated(std::abs(kSlant) * box.height() / 2, 0), text, font,
                   color);
    painter.restore();
}

}  // namespace velocarta::sampledisc
