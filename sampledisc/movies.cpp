#include "sampledisc/movies.h"

#include <QPainter>
#include <cmath>

#include "sampledisc/drawing.h"
#include "sampledisc/photos.h"
#include "sampledisc/sounds.h"

namespace velocarta::sampledisc {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFramesPerSecond = 15;
constexpr int kQuality = 60;
constexpr double kTitleSeconds = 1.0;

QImage Frame(const MovieItem& item, int frame, int frames) {
    const double t = static_cast<double>(frame) / kFramesPerSecond;
    QImage image = NewCanvas(kWidth, kHeight, QColor(15, 15, 20));
    QPainter painter(&image);
    PreparePainter(painter);
    const QString title = QString::fromStdString(item.title);
    if (t < kTitleSeconds) {
        const int fade = static_cast<int>(255 * std::min(1.0, t / 0.4));
        DrawFittedText(painter, QRectF(10, 60, kWidth - 20, 24),
                       QStringLiteral("Halder Motor Company presents"), SansFont(14),
                       QColor(200, 200, 200, fade));
        DrawSlantedText(painter, QRectF(10, 95, kWidth - 20, 50), title, SerifFont(30, true),
                        QColor(250, 230, 150, fade));
        DrawKestrix(painter, QRectF(130, 160, 60, 45), QColor(220, 220, 220));
    } else {
        const QRectF area(0, 0, kWidth, kHeight);
        DrawScene(painter, area, item.index % 6, SkyOfYear(1964 + item.index));
        CarLook look;
        look.style = item.index == 7
                         ? CarStyle::Fastback65
                         : (item.index == 2 ? CarStyle::Fastback65 : CarStyle::Notchback64);
        look.body = PaintOfYear(1964 + item.index, 1);
        look.raceNumber = item.index == 7 ? QStringLiteral("7") : QString();
        look.whitewalls = item.index < 5;
        const double travel = (t - kTitleSeconds) / (item.seconds - kTitleSeconds);
        const double carW = 150;
        painter.save();
        painter.translate(-carW + travel * (kWidth + carW), 0);
        DrawCar(painter, QRectF(0, 150, carW, carW / 3.3), look);
        painter.restore();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 140));
        painter.drawRect(QRectF(0, 0, kWidth, 26));
        DrawFittedText(painter, QRectF(6, 0, kWidth - 12, 26), title, SansFont(15, true), Qt::white,
                       Qt::AlignLeft | Qt::AlignVCenter);
    }
    DrawFittedText(painter, QRectF(6, kHeight - 20, kWidth - 12, 18),
                   QStringLiteral("%1 / %2").arg(frame + 1).arg(frames), SansFont(11),
                   QColor(230, 230, 230), Qt::AlignRight | Qt::AlignVCenter);
    painter.end();
    return image;
}

}  // namespace

MjpegMovie MakeMovie(const MovieItem& item) {
    MjpegMovie movie;
    movie.width = kWidth;
    movie.height = kHeight;
    movie.framesPerSecond = kFramesPerSecond;
    const int frames = static_cast<int>(std::lround(item.seconds * kFramesPerSecond));
    for (int k = 0; k < frames; ++k) {
        movie.frames.push_back(EncodeJpeg(Frame(item, k, frames), kQuality));
    }
    movie.sound = MovieSoundtrack(item.index, static_cast<double>(frames) / kFramesPerSecond);
    return movie;
}

}  // namespace velocarta::sampledisc
