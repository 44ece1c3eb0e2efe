#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <string>

namespace velocarta::sampledisc {

// The disc's pictures are drawn with the DejaVu fonts of Debian's fonts-dejavu-core, loaded
// from their files so that every machine draws the same letters. That package has no
// italics, so slanted lettering is drawn upright and sheared. Throws std::runtime_error
// naming the file when one is missing.
void LoadFonts();
QFont SansFont(int pixelSize, bool bold = false);
QFont SerifFont(int pixelSize, bool bold = false);
// The slant of lettering that reads as italic.
inline constexpr double kSlant = -0.22;

// A picture to draw on: RGB, 72 dots per inch, filled with `background`.
QImage NewCanvas(int width, int height, const QColor& background);
// A painter with antialiasing for text and shapes.
void PreparePainter(QPainter& painter);

// Compressed pictures, the same bytes on every run.
std::string EncodeJpeg(const QImage& image, int quality);
std::string EncodePng(const QImage& image);

// The body styles of the Vantrel's generations, and a few special cars.
enum class CarStyle {
    Notchback64,  // 1964 - 1968 hardtop
    Fastback65,   // the 2+2 fastback and the Kite I
    Restyled69,   // 1969 - 1973, long and low
    Compact74,    // Vantrel II, 1974 - 1978
    Wedge79,      // third generation, 1979 - 1993
    Rounded94,    // fourth generation and the Blade, 1994 - 2000
    Roadster,     // the mid-engine prototype
};

struct CarLook {
    CarStyle style = CarStyle::Notchback64;
    QColor body = Qt::red;
    QColor stripe;  // invalid: no stripes
    bool convertible = false;
    bool whitewalls = false;
    QString raceNumber;    // empty: none
    bool lineArt = false;  // clip-art look: outlines on white
};

CarStyle StyleOfYear(int year);
// The paint colour of photo `number` of a year (it changes between photos and years).
QColor PaintOfYear(int year, int number);
// The sky colour of a year: the hue walks round the colour wheel through the years.
QColor SkyOfYear(int year);

// A car seen from the side, facing right, filling `box` (about three times as long as high).
void DrawCar(QPainter& painter, const QRectF& box, const CarLook& look);

// The Kestrix: a running kestrel on a red, white and blue bar.
void DrawKestrix(QPainter& painter, const QRectF& box, const QColor& bird = QColor(30, 30, 30));

// Text centred in a box, shrunk until it fits on one line.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, QFont font,
                    const QColor& color, int flags = Qt::AlignCenter);
// The same, slanted like italic lettering.
void DrawSlantedText(QPainter& painter, const QRectF& box, const QString& text, QFont font,
                     const QColor& color);

}  // namespace velocarta::sampledisc
