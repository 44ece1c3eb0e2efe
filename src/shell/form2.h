#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace velocarta {

class Program;
class ProgramWindows;

// The start-up window: refuses a second instance, finds the content, plays the start-up
// sound, builds the photo catalogue and the movie list and, five seconds later, opens the
// main window.
class Form2 : public QWidget {
    Q_OBJECT

  public:
    Form2(Program& program, ProgramWindows& windows);

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

    Program& program_;
    ProgramWindows& windows_;
    bool catalogueBuilt_ = false;
    bool tickWaiting_ = false;
};

}  // namespace velocarta
