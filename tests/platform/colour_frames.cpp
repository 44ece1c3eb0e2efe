#include "colour_frames.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <vector>

#include "media_samples.h"

namespace velocarta::testing {

std::string ColourJpeg(Qt::GlobalColor colour) {
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes.toStdString();
}

std::string TrafficLightMovie() {
    std::vector<std::string> frames;
    for (Qt::GlobalColor colour : {Qt::red, Qt::green, Qt::blue}) {
        frames.insert(frames.end(), 4, ColourJpeg(colour));
    }
    return MjpegAvi(frames);
}

char ColourOf(const QImage& image) {
    if (image.isNull()) {
        return '?';
    }
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    if (c.red() > 180 && c.green() < 80 && c.blue() < 80) {
        return 'r';
    }
    if (c.green() > 180 && c.red() < 80 && c.blue() < 80) {
        return 'g';
    }
    if (c.blue() > 180 && c.red() < 80 && c.green() < 80) {
        return 'b';
    }
    return '?';
}

}  // namespace velocarta::testing
