#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velocarta {

// The About box: the product's picture above, its name, rights notice and maker below. It
// is shown modally over the main window and unloads when it closes.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* mainWindow);

    // Centres the box on the main window and fills in the maker's panel.
    void Form_Load();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Centre();
    void SSCommand1_Click();

    QWidget* mainWindow_;
    QLabel* SSPanel2_ = nullptr;
    QLabel* panKestrix_ = nullptr;
    QPushButton* SSCommand1_ = nullptr;
};

}  // namespace velocarta
