#include "platform/qt/video_surface.h"

#include <QCloseEvent>
#include <QEvent>
#include <QPainter>

namespace velocarta {

VideoSurface::VideoSurface(QWidget* display, QSize nativeSize)
    : QWidget(display), nativeSize_(nativeSize.isValid() ? nativeSize : QSize(320, 240)) {
    setObjectName(QStringLiteral("VideoSurface"));
    setAccessibleName(QStringLiteral("Movie"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (display) {
        // Clicks go to the display window as if the picture were not there.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(display->contentsRect());
        display->installEventFilter(this);
    } else {
        resize(nativeSize_);
    }
}

void VideoSurface::setFrame(const QVideoFrame& frame) {
    frame_ = frame;
    update();
}

void VideoSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!frame_.isValid()) {
        return;
    }
    QVideoFrame::PaintOptions options;
    options.aspectRatioMode = Qt::KeepAspectRatio;
    frame_.paint(&painter, rect(), options);
    emit frameShown();
}

void VideoSurface::closeEvent(QCloseEvent* event) {
    // The device deletes its surfaces; a close comes from the user.
    event->accept();
    emit closedByUser();
}

bool VideoSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange)) {
        setGeometry(parentWidget()->contentsRect());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velocarta
