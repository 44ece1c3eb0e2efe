#include "screensaver/saver/saver_frame.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>

namespace velocarta {

QImage ReadSaverPhoto(const std::string& path, QSize screen) {
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    // A photo much larger than the screen is decoded smaller straight away (JPEG can),
    // which saves time and memory on every change.
    if (full.isValid() && screen.isValid() && full.width() > 2 * screen.width() &&
        full.height() > 2 * screen.height() &&
        !reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)) {
        reader.setScaledSize(full.scaled(screen * 2, Qt::KeepAspectRatio));
    }
    return reader.read();
}

QImage SaverFrame(const QImage& photo, QSize size, const QString& message) {
    QImage frame(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!photo.isNull()) {
        const QImage scaled =
            photo.scaled(frame.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage((frame.width() - scaled.width()) / 2,
                          (frame.height() - scaled.height()) / 2, scaled);
        return frame;
    }
    const int height = frame.height();
    QFont title;
    title.setPixelSize(std::max(12, height / 16));
    title.setBold(true);
    painter.setPen(QColor(200, 200, 200));
    painter.setFont(title);
    const QRect upper(0, 0, frame.width(), height / 2);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("The Vantrel Velocarta 2000"));
    QFont text;
    text.setPixelSize(std::max(10, height / 36));
    painter.setFont(text);
    painter.setPen(QColor(150, 150, 150));
    const QRect lower(frame.width() / 10, height / 2 + height / 40, frame.width() * 8 / 10,
                      height / 2 - height / 40);
    painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, message);
    return frame;
}

}  // namespace velocarta
