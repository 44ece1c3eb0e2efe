#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "content/naming.h"
#include "program/photo_view.h"
#include "program/spin_button.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta::testing {

// The main window on a disc of a few years, with the screen saver's list and panel driven by
// real clicks.
class ScreenSaverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        int shade = 0;
        for (const char* name : {"64A", "64B", "65A", "66A", "66B", "A0A", "PT002"}) {
            WriteJpeg(harness.disc, std::string("/vantrels/") + name + ".JPG", QSize(64, 48),
                      QColor(200, 40 + 20 * shade++, 30));
        }
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }

    Program& program() { return *harness.state; }
    const std::string& store() { return program().storeFolder(); }
    std::string selection() { return store() + "/ssvantrels"; }
    template <class T = QWidget>
    T* control(const char* name) {
        return Find<T>(form, QString::fromUtf8(name));
    }
    void pick(int index) { Click(YearButton(*form, index)); }
    void stepForward() { Click(control<SpinButton>("SpinButton1")->upButton()); }
    void rightClickPhoto() { Click(control<PhotoView>("Image4"), Qt::RightButton); }
    std::string shownFile() { return PhotoFileName(program().onShow.photoPath()); }
    std::size_t boxes() { return harness.prompter.shown().size(); }
    const Message& lastBox() { return harness.prompter.last(); }

    // The photo list as the user sees it; nullptr when it is not on the screen.
    QWidget* list() { return ShownWindow(QStringLiteral("frmSSPhoto")); }
    QPushButton* listButton(const char* name) {
        QWidget* window = list();
        if (window == nullptr) {
            throw std::runtime_error("the photo list is not shown");
        }
        return Find<QPushButton>(window, QString::fromUtf8(name));
    }
    QPushButton* add() { return listButton("SSCommand7"); }
    QPushButton* remove() { return listButton("SSCommand8"); }
    QPushButton* removeAll() { return listButton("SSCommand2"); }
    QPushButton* toClipboard() { return listButton("SSCommand3"); }
    QProgressBar* gauge() { return Find<QProgressBar>(list(), QStringLiteral("ProgressGuage")); }
    bool inSelection(const std::string& name) {
        return std::filesystem::exists(selection() + "/" + name);
    }
    // Lets the window that went away be deleted, as the event loop does.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ShellHarness harness;
    Form1* form = nullptr;
};

}  // namespace velocarta::testing
