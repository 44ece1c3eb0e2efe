#include "program/window_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

namespace velocarta {
namespace {

QAccessibleInterface* WindowOfItsOwn(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    // Main windows and dialogs have roles of their own already; menus and tool tips are not
    // windows a reader should announce.
    if (widget == nullptr || qobject_cast<QMainWindow*>(widget) != nullptr ||
        qobject_cast<QDialog*>(widget) != nullptr) {
        return nullptr;
    }
    switch (widget->windowType()) {
        case Qt::Window:
            return new QAccessibleWidget(widget, QAccessible::Window);
        case Qt::Dialog:
            return new QAccessibleWidget(widget, QAccessible::Dialog);
        default:
            return nullptr;
    }
}

}  // namespace

void PresentWindowsAsWindows() {
    static const bool installed = [] {
        QAccessible::installFactory(&WindowOfItsOwn);
        return true;
    }();
    (void)installed;
}

}  // namespace velocarta
