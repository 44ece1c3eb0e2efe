#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "shell/main_layout.h"

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velocarta {

class MainWindow;
class Program;
class SpinButton;
class TextViewer;

// Runs the copy of the disc's photos to the hard disk (its panel, the user's start or
// cancel) and calls `done` exactly once when that has ended, with whether the photos were
// copied.
using OfferPhotoCopy = std::function<void(std::function<void(bool copied)> done)>;

// The installation panel pnlSSaver of the main window: all or the selected photos, the
// delay per photo, and the installation of the screen saver with its settings.
class ScreenSaverPanel : public QObject {
    Q_OBJECT

  public:
    ScreenSaverPanel(Program& program, MainWindow& mainWindow, TextViewer& viewer,
                     OfferPhotoCopy offerPhotoCopy);
    ~ScreenSaverPanel() override;

    void applyLayout(const MainLayout& layout);

  private:
    void BuildControls(QWidget* surface);
    void mnuSaver_Click();
    void SpinInterval_SpinDown();
    void SpinInterval_SpinUp();
    void SSCommand4_Click();  // Install
    void SSCommand5_Click();  // Help
    void SSCommand6_Click();  // Cancel, or Exit after an installation
    // Writes the settings for `photoFolder`, copies the screen saver beside them and says
    // how to activate it; "ER049" when any of it fails.
    void Install(const std::string& photoFolder);
    bool HardDiskPhotos() const;
    bool SelectedPhotos() const;

    Program& program_;
    TextViewer& viewer_;
    OfferPhotoCopy offerPhotoCopy_;
    MainLayout layout_;
    // Lives as long as the panel: a copy that ends after the panel has gone installs nothing.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);

    QFrame* pnlSSaver_ = nullptr;
    QLabel* Label7_ = nullptr;
    QLabel* Label8_ = nullptr;
    QLabel* Image2_ = nullptr;
    QRadioButton* Option1_0_ = nullptr;
    QRadioButton* Option1_1_ = nullptr;
    QLabel* Label9_ = nullptr;
    SpinButton* SpinInterval_ = nullptr;
    QLabel* panInterval_ = nullptr;
    QPushButton* SSCommand4_ = nullptr;
    QPushButton* SSCommand6_ = nullptr;
    QPushButton* SSCommand5_ = nullptr;
};

}  // namespace velocarta
