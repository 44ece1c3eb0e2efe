#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta::testing {

// The main window on a disc of a few years and topics, with the year images of some of
// them, driven by real clicks.
class YearImagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"64A", "65A", "66A", "85A", "86A", "A0A", "A0B", "DRA", "PT002", "K3A", "VMS002"}) {
            WriteJpeg(harness.disc, std::string("/vantrels/") + name + ".JPG");
        }
    }
    // Starts the program and shows its main window; tests write their files first.
    void start() {
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }
    void picture(const std::string& rel, QSize size, QColor color = Qt::darkRed) {
        WriteJpeg(harness.disc, rel, size, color);
    }
    Program& program() { return *harness.state; }
    template <class T = QWidget>
    T* control(const char* name) {
        return Find<T>(form, QString::fromUtf8(name));
    }
    QLabel* box(const char* name) { return control<QLabel>(name); }
    // The size of the picture a box shows; an empty size when it shows none.
    QSize pictureIn(const char* name) { return box(name)->pixmap().size(); }
    QColor colourIn(const char* name) {
        return box(name)->pixmap().toImage().pixelColor(box(name)->pixmap().rect().center());
    }
    bool open(const char* name) { return box(name)->isVisible(); }
    void press(const char* button) { Click(control(button)); }
    void pick(int index) { Click(YearButton(*form, index)); }
    void choose(const char* menu, int index) {
        ChooseMenuEntry(*form, form->menuEntry(menu, index));
    }
    std::size_t boxes() { return harness.prompter.shown().size(); }
    // The codes of the numbered messages shown since message `from`.
    std::vector<std::string> codesSince(std::size_t from) {
        std::vector<std::string> codes;
        const auto& shown = harness.prompter.shown();
        for (std::size_t i = from; i < shown.size(); ++i) {
            codes.push_back(shown[i].text.substr(14, 5));
        }
        return codes;
    }
    QWidget* focus() { return QApplication::focusWidget(); }

    ShellHarness harness;
    Form1* form = nullptr;
};

}  // namespace velocarta::testing
