#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "content/naming.h"
#include "program/photo_view.h"
#include "program/spin_button.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta::testing {

// The main window on a disc of a few years and topics, driven by real clicks and keys.
class BrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"64A",    "64B",    "64C",    "65A",    "66A",   "66B",    "66C",
              "66D",    "99A",    "A0A",    "A0B",    "DRA",   "PT002",  "PT004",
              "PT006",  "TDM002", "TDM004", "VMS002", "ZZ002", "TEK002", "TFM002",
              "VCK002", "USA002", "K1002",  "K3A",    "VSA"}) {
            WriteJpeg(harness.disc, std::string("/vantrels/") + name + ".JPG");
        }
        for (const char* name : {"pt002", "pt004", "pt006", "tdm002", "tdm004"}) {
            WriteRtf(harness.disc, std::string("/RichText/") + name + ".rtf",
                     std::string("Details of ") + name);
        }
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }

    Program& program() { return *harness.state; }
    OnShow& onShow() { return harness.state->onShow; }
    QPushButton* year(int index) { return YearButton(*form, index); }
    template <class T = QWidget>
    T* control(const char* name) {
        return Find<T>(form, QString::fromUtf8(name));
    }
    PhotoView* photo() { return control<PhotoView>("Image4"); }
    QTextBrowser* details() { return control<QTextBrowser>("rtbDetails"); }
    // The caption and the photo number as the user reads them.
    std::string caption() { return control<QLabel>("panYear")->text().toStdString(); }
    std::string photoNumber() { return control<QLabel>("panPhoto")->text().toStdString(); }
    std::string shownFile() { return PhotoFileName(onShow().photoPath()); }
    QWidget* focus() { return QApplication::focusWidget(); }
    std::size_t boxes() { return harness.prompter.shown().size(); }
    std::string lastCode() { return harness.prompter.last().text.substr(14, 5); }

    void pick(int index) { Click(year(index)); }
    void clickPhoto(Qt::MouseButton button = Qt::LeftButton) { Click(photo(), button); }
    void stepForward() { Click(control<SpinButton>("SpinButton1")->upButton()); }
    void stepBack() { Click(control<SpinButton>("SpinButton1")->downButton()); }
    void choose(const char* menu, int index = -1) {
        ChooseMenuEntry(*form, form->menuEntry(menu, index));
    }

    ShellHarness harness;
    Form1* form = nullptr;
};

}  // namespace velocarta::testing
