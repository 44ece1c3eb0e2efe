#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "content/content_file.h"

class QLabel;
class QPushButton;

namespace velocarta {

class Gauge;
class MainWindow;
class Program;

// The screen saver's photo list: puts the photo on show in the main window into the
// selection folder or takes it out, empties the folder, or copies the photo to the
// clipboard. A window of its own, kept above the others and not modal; every close unloads
// it, so that the next opening starts again from its first state.
class frmSSPhoto : public QWidget {
    Q_OBJECT

  public:
    // `unload` lets the window go once it has closed.
    frmSSPhoto(Program& program, MainWindow& mainWindow, std::function<void()> unload);

    void Form_Load();
    // Add or Remove, as the photo on show is in the selection or not.
    void SyncScreenSaverButtons();

  protected:
    // The window's close box unloads it as Exit does, without leaving the topmost group.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void SSCommand7_Click();  // Add
    void SSCommand8_Click();  // Remove
    void SSCommand2_Click();  // Remove all
    void SSCommand3_Click();  // Clipboard
    void SSCommand1_Click();  // Help
    void SSCommand9_Click();  // Exit
    void Form_Unload();

    std::optional<ContentFile> Target() const;
    void SetAddRemove(bool add, bool remove);

    Program& program_;
    MainWindow& mainWindow_;
    std::function<void()> unload_;
    // Remove all stays off, once used, until the window is opened again.
    bool removeAllUsed_ = false;

    QLabel* Picture1_ = nullptr;
    QLabel* Text4_ = nullptr;
    Gauge* ProgressGuage_ = nullptr;
    QPushButton* SSCommand7_ = nullptr;
    QPushButton* SSCommand8_ = nullptr;
    QPushButton* SSCommand2_ = nullptr;
    QPushButton* SSCommand3_ = nullptr;
    QPushButton* SSCommand1_ = nullptr;
    QPushButton* SSCommand9_ = nullptr;
};

}  // namespace velocarta
