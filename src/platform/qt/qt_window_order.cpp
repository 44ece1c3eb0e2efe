#include "platform/qt/qt_window_order.h"

#include <QWidget>

namespace velocarta {

void QtWindowOrder::setAlwaysOnTop(QWidget& window, TopMode mode) {
    if (mode == TopMode::Top) {
        window.raise();
        return;
    }
    const bool topmost = mode == TopMode::Topmost;
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) {
        return;  // already where it should be: nothing moves
    }
    // Changing a window flag hides the window; show it again where it was.
    const bool wasVisible = window.isVisible();
    const QRect geometry = window.geometry();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible) {
        window.setGeometry(geometry);
        window.show();
    }
}

}  // namespace velocarta
