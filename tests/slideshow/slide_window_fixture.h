#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <array>
#include <chrono>
#include <string>

#include "program/photo_view.h"
#include "program/spin_button.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta::testing {

// The disc of the slide show's window tests, in catalogue order: entry k is drawn k pixels
// wider than 40, so the width of the picture on show names the photo.
inline constexpr std::array<const char*, 26> kSlideDisc{
    "64A",    "64B",    "64C",    "65A",    "66A",    "66B",    "66C",   "66D",   "99A",
    "A0A",    "A0B",    "DRA",    "K1002",  "K3A",    "PT002",  "PT004", "PT006", "TDM002",
    "TDM004", "TEK002", "TFM002", "USA002", "VCK002", "VMS002", "VSA",   "ZZ002"};

inline int EntryOf(const char* name) {
    for (std::size_t i = 0; i < kSlideDisc.size(); ++i) {
        if (std::string(kSlideDisc[i]) == name) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

// The main window on that disc, and the slide show opened from its menu bar, driven by real
// clicks and keys; the show's time moves only when the test lets it.
class SlideWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteDisc();
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }

    virtual void WriteDisc() {
        for (std::size_t i = 0; i < kSlideDisc.size(); ++i) {
            WriteJpeg(harness.disc, std::string("/vantrels/") + kSlideDisc[i] + ".JPG",
                      QSize(41 + static_cast<int>(i), 30));
        }
    }

    Program& program() { return *harness.state; }
    OnShow& onShow() { return harness.state->onShow; }
    int photoCount() const { return static_cast<int>(kSlideDisc.size()); }
    template <class T = QWidget>
    T* mainControl(const char* name) {
        return Find<T>(form, QString::fromUtf8(name));
    }
    std::string mainText(const char* name) {
        return mainControl<QLabel>(name)->text().toStdString();
    }

    // SlideShow on the menu bar.
    QWidget* openShow() {
        ChooseMenuEntry(*form, form->menuEntry("mnuSlideShow"));
        QWidget* window = shown();
        if (window == nullptr) {
            throw std::runtime_error("the slide show did not open");
        }
        // The window system makes it the active window, as it does any window shown.
        if (!QTest::qWaitForWindowActive(window)) {
            throw std::runtime_error("the slide show did not become the active window");
        }
        return window;
    }
    QWidget* shown() { return ShownWindow(QStringLiteral("frmSlide")); }
    template <class T = QWidget>
    T* slide(const char* name) {
        QWidget* window = shown();
        if (window == nullptr) {
            throw std::runtime_error("the slide show is not open");
        }
        return Find<T>(window, QString::fromUtf8(name));
    }
    std::string slideText(const char* name) { return slide<QLabel>(name)->text().toStdString(); }
    bool slideShows(const char* name) { return slide(name)->isVisible(); }

    // The bar's buttons by their labels.
    QPushButton* bar(const std::string& label) {
        for (QPushButton* button : slide("mmSlide")->findChildren<QPushButton*>()) {
            if (button->accessibleName().toStdString() == label) {
                return button;
            }
        }
        throw std::runtime_error("no bar button " + label);
    }
    void press(const std::string& label) { Click(bar(label)); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // The entry whose picture the show has on screen; 0 for none.
    int picture() {
        const PhotoView* photo = slide<PhotoView>("Image1");
        return photo->hasImage() ? photo->image().width() - 40 : 0;
    }
    std::string counter() { return slideText("pnlPhotoNumber"); }

    // Lets the show's time run on.
    void run(int ms) { harness.slideTimer.runFor(std::chrono::milliseconds(ms)); }

    QWidget* focus() { return QApplication::focusWidget(); }
    std::size_t boxes() { return harness.prompter.shown().size(); }
    std::string lastCode() { return harness.prompter.last().text.substr(14, 5); }

    ShellHarness harness;
    Form1* form = nullptr;
};

}  // namespace velocarta::testing
