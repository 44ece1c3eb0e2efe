#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QPushButton;
class QScrollBar;

namespace velocarta {

class FullSizePicture;
class MainWindow;
class Program;
class StretchedPicture;

// The zoom viewer: one large picture, fitted to the screen (`Image1`) or at full size in
// a scrolling viewport (`picChild` in `picParent`, with `HScroll1` and `VScroll1`). A left
// click switches between the two; the right button, the "X" button, the window's close
// box and Escape close it. It works in the screen's pixels; the main window takes no
// input while it is open. A dialog, so that screen readers announce it as one.
class frmScroll : public QDialog {
    Q_OBJECT

  public:
    // Loads the viewer; `unload` is asked to unload it when the user closes it.
    frmScroll(Program& program, MainWindow& mainWindow, std::function<void()> unload);

    // Shows the picture as large as the screen, opening in its full-size view. The fitted
    // view takes its shape from the caption of the year panel: landscape advertisements
    // fill the width.
    void ShowPicture(const QPixmap& picture, const QString& caption,
                     const std::string& yearCaption);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void Form_Resize();
    void Image1_Click();
    void picChild_Click();
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);
    void sscommand1_Click();
    // Hides each of the full-size view's controls that is shown and shows each hidden one.
    void FlipFullSizeView();

    Program& program_;
    MainWindow& mainWindow_;
    std::function<void()> unload_;
    std::string yearCaption_;

    StretchedPicture* Image1_ = nullptr;
    QWidget* picParent_ = nullptr;
    FullSizePicture* picChild_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QPushButton* sscommand1_ = nullptr;
};

}  // namespace velocarta
