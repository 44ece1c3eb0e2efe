#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace velocarta {

class Module1;

// The text viewer: one rich-text document under its caption, with Print and Close. Shown
// modally over the main window; every close unloads it, so that the next document takes
// its own caption.
class txtForm : public QDialog {
    Q_OBJECT

  public:
    txtForm(Module1& module, QWidget* parent);

    void Form_Load();
    void cmdPrint_Click();
    void SSCommand1_Click();

    QTextBrowser* rtbText = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* SSCommand1 = nullptr;

  protected:
    // The window's close box and Escape close it as its Close button does.
    void reject() override;

  private:
    Module1& module_;
};

}  // namespace velocarta
