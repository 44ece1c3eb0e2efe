#pragma once

#include <QWidget>

class QToolButton;

namespace velocarta {

// Two arrows: up steps to the next photo, down to the previous one.
class SpinButton : public QWidget {
    Q_OBJECT

  public:
    explicit SpinButton(QWidget* parent = nullptr);
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
