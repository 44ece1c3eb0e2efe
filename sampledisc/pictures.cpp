#include "sampledisc/pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <array>

#include "sampledisc/drawing.h"
#include "sampledisc/photos.h"

namespace velocarta::sampledisc {

namespace {

QString YearLabel(int year) {
    return QString::number(year);
}

QImage Emblem(int year, std::string_view topic, int width, int height) {
    const bool dorran = topic == "DR";
    const QColor ground = dorran ? QColor(24, 90, 50) : QColor(250, 250, 246);
    QImage image = NewCanvas(width, height, ground);
    QPainter painter(&image);
    PreparePainter(painter);
    painter.setPen(
        QPen(dorran ? QColor(212, 175, 55) : QColor(60, 60, 60), std::max(1.0, height / 40.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2, 2, width - 4, height - 4), height / 8.0, height / 8.0);
    const QColor bird =
        dorran ? QColor(212, 175, 55) : (year >= 1994 ? QColor(120, 125, 135) : QColor(30, 30, 30));
    DrawKestrix(painter, QRectF(width * 0.08, height * 0.04, width * 0.84, height * 0.7), bird);
    const QString label = topic == "PT" ? QStringLiteral("PROTOTYPE")
                          : dorran      ? QStringLiteral("DORRAN")
                                        : YearLabel(year);
    DrawFittedText(painter, QRectF(width * 0.05, height * 0.72, width * 0.9, height * 0.26), label,
                   SansFont(static_cast<int>(height * 0.2), true),
                   dorran ? QColor(212, 175, 55) : QColor(40, 40, 40));
    painter.end();
    return image;
}

QImage Script(int year, std::string_view topic, int width, int height) {
    const bool dark = topic == "DR" || (year % 3 == 0);
    QImage image = NewCanvas(width, height, dark ? QColor(20, 20, 24) : QColor(255, 255, 255));
    QPainter painter(&image);
    PreparePainter(painter);
    const QString word = topic == "PT"   ? QStringLiteral("Prototype")
                         : topic == "DR" ? QStringLiteral("Dorran")
                                         : QStringLiteral("Vantrel");
    QLinearGradient chrome(0, 0, 0, height);
    const int step = topic.empty() ? year - 1964 : (topic == "PT" ? 5 : 11);
    const QColor hue =
        topic == "DR" ? QColor(212, 175, 55) : QColor::fromHsv(step * 23 % 360, 90, 200);
    chrome.setColorAt(0, hue.lighter(150));
    chrome.setColorAt(0.5, hue);
    chrome.setColorAt(1, hue.darker(160));
    QFont font = SerifFont(static_cast<int>(height * 0.62), true);
    QPainterPath text;
    text.addText(0, 0, font, word);
    const QRectF bounds = text.boundingRect();
    const double scale =
        std::min((width * 0.78) / bounds.width(), (height * 0.8) / bounds.height());
    // Baseline at the origin: the shear leans the letters to the right above it.
    painter.translate(width * 0.04 - bounds.left() * scale, height * 0.1 - bounds.top() * scale);
    painter.shear(kSlant, 0);
    painter.scale(scale, scale);
    painter.setPen(QPen(dark ? QColor(240, 240, 240) : QColor(40, 40, 40), 1.0 / scale));
    painter.setBrush(chrome);
    painter.drawPath(text);
    painter.resetTransform();
    // A swash under the word and the year beside it.
    painter.setPen(QPen(hue, std::max(1.0, height / 25.0), Qt::SolidLine, Qt::RoundCap));
    QPainterPath swash;
    swash.moveTo(width * 0.08, height * 0.9);
    swash.quadTo(width * 0.45, height * 0.78, width * 0.86, height * 0.88);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(swash);
    if (topic.empty()) {
        DrawSlantedText(painter, QRectF(width * 0.84, height * 0.1, width * 0.15, height * 0.5),
                        QStringLiteral("'%1").arg(year % 100, 2, 10, QLatin1Char('0')),
                        SerifFont(static_cast<int>(height * 0.3), true),
                        dark ? QColor(240, 240, 240) : QColor(40, 40, 40));
    }
    painter.end();
    return image;
}

QImage ClipArt(int year, std::string_view topic, int width, int height) {
    QImage image = NewCanvas(width, height, Qt::white);
    QPainter painter(&image);
    PreparePainter(painter);
    CarLook look;
    look.lineArt = true;
    look.style = topic == "PT" ? CarStyle::Roadster : StyleOfYear(year);
    look.convertible = topic == "PT";
    DrawCar(painter, QRectF(width * 0.06, height * 0.32, width * 0.88, width * 0.88 / 3.3), look);
    DrawFittedText(painter, QRectF(0, height * 0.78, width, height * 0.2),
                   topic == "PT" ? QStringLiteral("Vantrel I") : YearLabel(year),
                   SansFont(static_cast<int>(height * 0.14), true), QColor(20, 20, 20));
    painter.end();
    return image;
}

// Headlines of the period advertisements, written for this disc.
constexpr std::array<const char*, 8> kHeadlines{
    "Meet the %1 Vantrel.",
    "%1: the year the road got shorter.",
    "The %1 Vantrel. Built to be driven.",
    "Your weekend starts in a %1 Vantrel.",
    "For %1, more Vantrel than ever.",
    "Halder proudly presents the %1 Vantrel.",
    "The %1 Vantrel. Go ahead, take the long way.",
    "Some cars carry you. The %1 Vantrel takes you along.",
};
constexpr std::array<const char*, 6> kTaglines{
    "See it at your Halder dealer today.",
    "Test-drive one this weekend.",
    "Ask your dealer about the Vantrel Registry of America.",
    "Built in Marrowfield, driven everywhere.",
    "The Kestrix on the fender says it all.",
    "A Vantreler is a friend for life.",
};

// The body copy of an advertisement, in the voice of its decade.
const char* BodyCopy(int year) {
    if (year < 1974) {
        return "Long hood, short deck and a Kestrix on the fender: the %1 Vantrel is the car "
               "you promised yourself. Choose a thrifty six or a V8 that answers back, a "
               "hardtop for the week or a convertible for the weekend. %2";
    }
    if (year < 1979) {
        return "Smaller outside, every inch a Vantrel inside. The %1 Vantrel II gives you "
               "bucket seats, a four-speed and the mileage these times ask for, with a V6 or "
               "V8 when the road opens up. %2";
    }
    if (year < 1994) {
        return "Aerodynamics you can see, performance you can feel. The %1 Vantrel brings "
               "fuel injection, a hatchback that swallows a weekend of luggage and a 5.0 that "
               "still knows how to have fun. %2";
    }
    return "Thirty years of Vantrel in every curve. The %1 Vantrel pairs a modern chassis "
           "with the long-hood stance that started it all, from the everyday V6 to the "
           "32-valve Cobalt. %2";
}

QImage Advertisement(const PictureItem& item) {
    const int w = item.width;
    const int h = item.height;
    const bool landscape = w > h;
    const bool dorran = item.topicCode == "DR";
    const int year = dorran ? 1968 : item.year;
    QImage image = NewCanvas(w, h, QColor(246, 240, 225));  // newsprint cream
    QPainter painter(&image);
    PreparePainter(painter);
    painter.setPen(QPen(QColor(40, 40, 40), std::max(2, w / 300)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(w * 0.03, h * 0.03, w * 0.94, h * 0.94));

    const QString headline =
        dorran ? QStringLiteral("The Classic Dorran. Green, gold and gone in 1968.")
               : QString::fromLatin1(kHeadlines[static_cast<std::size_t>(year) % kHeadlines.size()])
                     .arg(year);
    const QString tagline =
        QString::fromLatin1(kTaglines[static_cast<std::size_t>(year * 7) % kTaglines.size()]);

    CarLook look;
    look.style = StyleOfYear(year);
    look.body = dorran ? QColor(24, 90, 50) : PaintOfYear(year, 1);
    look.stripe = dorran ? QColor(212, 175, 55) : QColor();
    look.whitewalls = year <= 1966;

    const QRectF picture = landscape ? QRectF(w * 0.06, h * 0.22, w * 0.55, h * 0.6)
                                     : QRectF(w * 0.07, h * 0.24, w * 0.86, h * 0.4);
    painter.save();
    painter.setClipRect(picture);
    DrawScene(painter, picture, year % 6, SkyOfYear(year));
    const double carW = picture.width() * 0.84;
    DrawCar(painter,
            QRectF(picture.left() + picture.width() * 0.08,
                   picture.bottom() - carW / 3.3 - picture.height() * 0.1, carW, carW / 3.3),
            look);
    painter.restore();
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.drawRect(picture);

    // Headline, body copy, the maker's line.
    const QRectF headBox(w * 0.06, h * 0.06, w * 0.88, h * 0.14);
    painter.setPen(QColor(20, 20, 20));
    painter.setFont(SerifFont(static_cast<int>((landscape ? h : w) * 0.055), true));
    painter.drawText(headBox, Qt::AlignCenter | Qt::TextWordWrap, headline);
    const QRectF copyBox = landscape ? QRectF(w * 0.64, h * 0.24, w * 0.3, h * 0.56)
                                     : QRectF(w * 0.08, h * 0.67, w * 0.84, h * 0.18);
    const QString copy = QString::fromLatin1(BodyCopy(year)).arg(year).arg(tagline);
    painter.setFont(SerifFont(static_cast<int>((landscape ? h : w) * 0.026)));
    painter.drawText(copyBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, copy);
    const QRectF foot(w * 0.06, h * 0.86, w * 0.88, h * 0.09);
    DrawKestrix(painter, QRectF(foot.left(), foot.top(), foot.height() * 1.4, foot.height()));
    DrawFittedText(painter, foot.adjusted(foot.height() * 1.6, 0, 0, 0),
                   QStringLiteral("HALDER MOTOR COMPANY \u2022 MARROWFIELD, MICHIGAN"),
                   SansFont(static_cast<int>(foot.height() * 0.35), true), QColor(30, 30, 30));
    painter.end();
    return image;
}

QImage BookletLogo(int w, int h) {
    QImage image = NewCanvas(w, h, Qt::white);
    QPainter painter(&image);
    PreparePainter(painter);
    DrawKestrix(painter, QRectF(w * 0.02, h * 0.1, h * 1.1, h * 0.8));
    DrawSlantedText(painter, QRectF(h * 1.2, h * 0.05, w - h * 1.25, h * 0.55),
                    QStringLiteral("The Vantrel Velocarta"),
                    SerifFont(static_cast<int>(h * 0.4), true), QColor(20, 40, 110));
    DrawFittedText(painter, QRectF(h * 1.2, h * 0.6, w - h * 1.25, h * 0.35),
                   QStringLiteral("2000"), SansFont(static_cast<int>(h * 0.3), true),
                   QColor(180, 20, 30));
    painter.end();
    return image;
}

QImage BookletRedCar(int w, int h) {
    QImage image = NewCanvas(w, h, Qt::white);
    QPainter painter(&image);
    PreparePainter(painter);
    CarLook look;
    look.style = CarStyle::Fastback65;
    look.body = QColor(190, 20, 30);
    look.whitewalls = true;
    DrawCar(painter, QRectF(w * 0.04, h * 0.25, w * 0.92, w * 0.92 / 3.3), look);
    DrawSlantedText(painter, QRectF(0, h * 0.82, w, h * 0.16), QStringLiteral("1966 Vantrel 2+2"),
                    SerifFont(static_cast<int>(h * 0.1)), QColor(60, 60, 60));
    painter.end();
    return image;
}

QImage BookletLettering(int w, int h) {
    QImage image = NewCanvas(w, h, Qt::white);
    QPainter painter(&image);
    PreparePainter(painter);
    DrawSlantedText(painter, QRectF(0, h * 0.02, w, h * 0.6), QStringLiteral("The Vantrel Booklet"),
                    SerifFont(static_cast<int>(h * 0.45), true), QColor(20, 40, 110));
    DrawFittedText(painter, QRectF(0, h * 0.62, w, h * 0.3),
                   QStringLiteral("Every model year, 1964 \u2013 2000"),
                   SansFont(static_cast<int>(h * 0.18)), QColor(80, 80, 80));
    painter.end();
    return image;
}

QImage KestrixPicture(int w, int h) {
    QImage image = NewCanvas(w, h, Qt::white);
    QPainter painter(&image);
    PreparePainter(painter);
    const double side = std::min(w * 0.5, h * 1.0);
    DrawKestrix(painter, QRectF((w - side * 1.3) / 2, h * 0.02, side * 1.3, h * 0.8));
    DrawFittedText(painter, QRectF(0, h * 0.82, w, h * 0.17), QStringLiteral("The Kestrix"),
                   SansFont(static_cast<int>(h * 0.12), true), QColor(40, 40, 40));
    painter.end();
    return image;
}

}  // namespace

QImage DrawPicture(const PictureItem& item) {
    switch (item.kind) {
        case PictureKind::Emblem:
            return Emblem(item.year, item.topicCode, item.width, item.height);
        case PictureKind::Script:
            return Script(item.year, item.topicCode, item.width, item.height);
        case PictureKind::ClipArt:
            return ClipArt(item.year, item.topicCode, item.width, item.height);
        case PictureKind::Advertisement:
            return Advertisement(item);
        case PictureKind::BookletLogo:
            return BookletLogo(item.width, item.height);
        case PictureKind::BookletRedCar:
            return BookletRedCar(item.width, item.height);
        case PictureKind::BookletLettering:
            return BookletLettering(item.width, item.height);
        case PictureKind::BookletKestrix:
            break;
    }
    return KestrixPicture(item.width, item.height);
}

QImage DrawYearEmblem(int year, int width, int height) {
    return Emblem(year, "", width, height);
}

QImage DrawTopicDrawing(std::string_view code, int width, int height) {
    QImage image = NewCanvas(width, height, QColor(245, 245, 240));
    QPainter painter(&image);
    PreparePainter(painter);
    DrawTopicSubject(painter, QRectF(0, 0, width, height), code, 1);
    painter.end();
    return image;
}

QImage DrawKestrixDrawing(int width, int height) {
    return KestrixPicture(width, height);
}

}  // namespace velocarta::sampledisc
