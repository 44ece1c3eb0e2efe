#pragma once

#include <QDialog>
#include <string>

class QPushButton;
class QTextBrowser;

namespace velocarta {

class Program;
class TextViewer;

// The text viewer: one rich-text document under its caption, with Print and Close. Shown
// modally over the main window; every close unloads it, so that the next document takes
// its own caption.
class txtForm : public QDialog {
    Q_OBJECT

  public:
    txtForm(Program& program, TextViewer& viewer);

    void Form_Load(const std::string& caption);
    void cmdPrint_Click();
    void SSCommand1_Click();

    QTextBrowser* rtbText = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* SSCommand1 = nullptr;

  protected:
    // The window's close box and Escape close it as its Close button does.
    void reject() override;

  private:
    Program& program_;
    TextViewer& viewer_;
};

}  // namespace velocarta
