#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace velocarta {

class Module1;

// The start-up window: refuses a second instance, finds the content, plays the start-up
// sound, builds the photo catalogue and, five seconds later, opens the main window.
class Form2 : public QWidget {
    Q_OBJECT

  public:
    explicit Form2(Module1& module);

    void Form_Load();
    void Timer1_Timer();

    QLabel* SSPanel1 = nullptr;
    QLabel* Picture3 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;

  private:
    // Looks for the content until it is found; false when the user gave up.
    bool FindContent();
    void PlayStartupSound();

    Module1& module_;
    bool catalogueBuilt_ = false;
    bool tickWaiting_ = false;
};

}  // namespace velocarta
