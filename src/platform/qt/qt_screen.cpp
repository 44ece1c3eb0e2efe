#include "platform/qt/qt_screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace velocarta {

namespace {
int TwipsPerPixel(qreal dpi) {
    return dpi > 0 ? qRound(1440.0 / dpi) : 15;
}
}  // namespace

int QtScreen::widthPixels() const {
    return QGuiApplication::primaryScreen()->size().width();
}
int QtScreen::heightPixels() const {
    return QGuiApplication::primaryScreen()->size().height();
}

int QtScreen::twipsPerPixelX() const {
    return TwipsPerPixel(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
}

int QtScreen::twipsPerPixelY() const {
    return TwipsPerPixel(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
}

void QtScreen::setPointer(Pointer pointer) {
    if (pointer == pointer_) {
        return;
    }
    if (pointer == Pointer::Hourglass) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
    pointer_ = pointer;
}

}  // namespace velocarta
