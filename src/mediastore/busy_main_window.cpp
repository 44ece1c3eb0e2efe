#include "mediastore/busy_main_window.h"

#include <QMainWindow>

#include "program/main_window.h"

namespace velocarta {

BusyMainWindow::BusyMainWindow(MainWindow& window, QWidget* keep) {
    if (auto* form = qobject_cast<QMainWindow*>(window.widget())) {
        disable(form->menuWidget());
    }
    for (QWidget* child : window.surface()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != keep) {
            disable(child);
        }
    }
}

BusyMainWindow::~BusyMainWindow() {
    for (const QPointer<QWidget>& widget : disabled_) {
        if (widget) {
            widget->setEnabled(true);
        }
    }
}

void BusyMainWindow::disable(QWidget* widget) {
    // Only what was enabled on its own comes back: a control its part had switched off
    // stays off.
    if (widget != nullptr && !widget->testAttribute(Qt::WA_Disabled)) {
        widget->setEnabled(false);
        disabled_.emplace_back(widget);
    }
}

}  // namespace velocarta
