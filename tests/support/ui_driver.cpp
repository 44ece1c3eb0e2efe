#include "support/ui_driver.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <vector>

namespace velocarta::testing {

QWidget* ShownWindow(const QString& objectName) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == objectName && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

QPushButton* YearButton(const QWidget& mainWindow, int index) {
    return Find<QPushButton>(&mainWindow, QStringLiteral("cmdYR_%1").arg(index));
}

void Click(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QTest::mouseClick(widget, button, {}, at.isNull() ? widget->rect().center() : at);
}

void DoubleClick(QWidget* widget, QPoint at) {
    const QPoint point = at.isNull() ? widget->rect().center() : at;
    // What a mouse sends for a double click: press, release, double click, release.
    QTest::mousePress(widget, Qt::LeftButton, {}, point);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
}

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

namespace {

// The menu an entry lies in; nothing for an entry of the menu bar itself (which the bar's
// overflow menu may hold as well).
QMenu* MenuHolding(QAction* action) {
    const QList<QObject*> holders = action->associatedObjects();
    for (QObject* object : holders) {
        if (qobject_cast<QMenuBar*>(object) != nullptr) {
            return nullptr;
        }
    }
    for (QObject* object : holders) {
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            return menu;
        }
    }
    return nullptr;
}

}  // namespace

void ChooseMenuEntry(QMainWindow& window, QAction* entry) {
    // The entries from the menu bar down to this one.
    std::vector<QAction*> path{entry};
    while (QMenu* menu = MenuHolding(path.front())) {
        path.insert(path.begin(), menu->menuAction());
    }
    QMenuBar* bar = window.menuBar();
    Click(bar, Qt::LeftButton, bar->actionGeometry(path.front()).center());
    for (std::size_t i = 1; i < path.size(); ++i) {
        QMenu* open = path[i - 1]->menu();
        if (open == nullptr || !QTest::qWaitFor([open] { return open->isVisible(); }, 2000)) {
            throw std::runtime_error("the menu of " + path[i - 1]->text().toStdString() +
                                     " did not open");
        }
        const QPoint at = open->actionGeometry(path[i]).center();
        QTest::mouseMove(open, at);
        Click(open, Qt::LeftButton, at);
    }
    // Whatever is still open closes, as a menu does once its entry is chosen.
    for (QAction* action : path) {
        if (QMenu* menu = action->menu(); menu != nullptr && menu->isVisible()) {
            menu->close();
        }
    }
}

void WhenTheDialogIsUp(std::function<void(QDialog&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        }
    });
    poll->start(20);
}

}  // namespace velocarta::testing
