#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <stdexcept>

class QAction;
class QDialog;
class QMainWindow;
class QPushButton;

namespace velocarta::testing {

// Finds a control by its object name below `root`; throws when there is none, so that a
// test that names a missing control fails there.
template <class T = QWidget>
T* Find(const QObject* root, const QString& objectName) {
    T* found = root->findChild<T*>(objectName);
    if (found == nullptr) {
        throw std::runtime_error("no control " + objectName.toStdString());
    }
    return found;
}

// A top-level window by its object name ("txtForm"), or nullptr when none is shown.
QWidget* ShownWindow(const QString& objectName);

// Year button `index` (1 .. 37) of the main window.
QPushButton* YearButton(const QWidget& mainWindow, int index);

// A left click in the middle of a control (or at `at`), as the user makes it.
void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint());
void DoubleClick(QWidget* widget, QPoint at = QPoint());

// Presses and releases a key on a control, for keys QTest cannot type (Shift alone,
// AltGr, function keys): the events take the same way to the control as typed ones.
void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {});

// Chooses a menu entry the way a user does: a click on its menu in the menu bar, on each
// submenu down to it, and on the entry itself. Nothing happens for a disabled entry.
void ChooseMenuEntry(QMainWindow& window, QAction* entry);

// Acts on the next modal dialog once it is up (a system dialog such as the print set-up,
// which a test cannot reach before its exec() starts); a dialog still open after `act`
// is rejected, so that a failed step does not leave the test waiting.
void WhenTheDialogIsUp(std::function<void(QDialog&)> act);

}  // namespace velocarta::testing
