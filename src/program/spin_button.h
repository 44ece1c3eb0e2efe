#pragma once

#include <QWidget>

class QToolButton;

namespace velocarta {

// A spin button: two arrows, up and down. The arrows take no focus, so the keyboard stays
// where the user left it.
class SpinButton : public QWidget {
    Q_OBJECT

  public:
    // The names say what the whole control and each arrow do, for a screen reader.
    SpinButton(QWidget* parent, const QString& name, const QString& upName,
               const QString& downName);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    void spinUp();
    void spinDown();

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace velocarta
