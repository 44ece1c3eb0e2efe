#pragma once

#include <QFrame>
#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace velocarta {

class MainWindow;
class Program;

// The sound-effects panel of the main window: a play button beside the name of each of 27
// car sounds, Stop and Close. The sounds come from the content disc and play one at a time
// through the main window's multimedia device; a sound plays on while the panel is used,
// and after it is closed.
class SoundPanel final : public QFrame {
    Q_OBJECT

  public:
    SoundPanel(Program& program, MainWindow& mainWindow, QWidget* surface);

    // Shows the panel in front of the window's other controls, its top at `top` (pixels),
    // with the focus on Close.
    void Open(int top);

  private:
    void SSCommand2_Click(int index);  // a play button
    void SSCommand3_Click();           // Stop
    void SSCommand1_Click();           // Close

    Program& program_;
    MainWindow& mainWindow_;
    // The sound file last played.
    std::string soundPath_;

    QLabel* Label10_ = nullptr;
    QLabel* Picture5_ = nullptr;
    std::array<QPushButton*, 27> SSCommand2_{};
    std::array<QLabel*, 27> lblSound_{};
    QPushButton* SSCommand3_ = nullptr;
    QPushButton* SSCommand1_ = nullptr;
};

}  // namespace velocarta
