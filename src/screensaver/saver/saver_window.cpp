#include "screensaver/saver/saver_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "screensaver/saver/saver_frame.h"

namespace velocarta {

SaverWindow::SaverWindow() {
    setObjectName(QStringLiteral("Vantrel2000"));
    setWindowTitle(QStringLiteral("The Vantrel Velocarta 2000 Screen Saver"));
    setAccessibleName(QStringLiteral("The Vantrel Velocarta 2000 Screen Saver"));
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void SaverWindow::setPicture(const QImage& photo, const QString& message) {
    photo_ = photo;
    message_ = message;
    frame_ = QImage();
    update();
}

QSize SaverWindow::pictureSize() const {
    return size() * devicePixelRatio();
}

void SaverWindow::paintEvent(QPaintEvent*) {
    const QSize wanted = pictureSize();
    if (frame_.size() != wanted) {
        frame_ = SaverFrame(photo_, wanted, message_);
        frame_.setDevicePixelRatio(devicePixelRatio());
    }
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

void SaverWindow::keyPressEvent(QKeyEvent*) {
    emit finished();
}

void SaverWindow::mousePressEvent(QMouseEvent*) {
    emit finished();
}

void SaverWindow::wheelEvent(QWheelEvent*) {
    emit finished();
}

void SaverWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->globalPosition().toPoint();
    if (!pointerOrigin_) {
        pointerOrigin_ = at;
        return;
    }
    if ((at - *pointerOrigin_).manhattanLength() > kSaverMovementPixels) {
        emit finished();
    }
}

}  // namespace velocarta
