#include "tools/zoom_viewer/picture_widgets.h"

#include <QPaintEvent>
#include <QPainter>

namespace velocarta {

StretchedPicture::StretchedPicture(QWidget* parent) : QWidget(parent) {}

void StretchedPicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    stretched_ = QPixmap();
    update();
}

void StretchedPicture::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull() || width() <= 0 || height() <= 0) {
        return;
    }
    const QSize device = size() * devicePixelRatio();
    if (stretched_.size() != device) {
        stretched_ = picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretched_.setDevicePixelRatio(devicePixelRatio());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, stretched_);
}

FullSizePicture::FullSizePicture(QWidget* parent) : QWidget(parent) {
    // The picture covers the whole control: nothing beneath it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FullSizePicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    resize(picture_.size());
    update();
}

void FullSizePicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (picture_.isNull()) {
        painter.fillRect(area, palette().window());
        return;
    }
    painter.drawPixmap(area, picture_, area);
}

}  // namespace velocarta
