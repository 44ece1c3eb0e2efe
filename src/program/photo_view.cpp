#include "program/photo_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace velocarta {

PhotoView::PhotoView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PhotoView::setImage(const QImage& image) {
    image_ = image;
    scaled_ = QPixmap();
    update();
}

void PhotoView::clear() {
    setImage(QImage());
}

QRect PhotoView::pictureRect() const {
    if (image_.isNull()) {
        return {};
    }
    const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
    return {QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted};
}

void PhotoView::paintEvent(QPaintEvent*) {
    if (image_.isNull()) {
        return;
    }
    const QRect target = pictureRect();
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(target.size()) * ratio).toSize();
    if (scaled_.isNull() || scaled_.size() != devicePixels) {
        scaled_ = QPixmap::fromImage(
            image_.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), scaled_);
}

void PhotoView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
    event->accept();
}

void PhotoView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void PhotoView::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt would pass it on as another press; one double click is one press.
    event->accept();
}

}  // namespace velocarta
