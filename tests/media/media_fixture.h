#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "media/media_tables.h"
#include "shell/form1.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta::testing {

// The main window on a disc with every movie, every sound effect and the codec installer,
// driven by real clicks and keys. The movie and sound devices are doubles that record what
// they are told.
class MediaWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteJpeg(harness.disc, "/vantrels/65A.JPG");
        for (const MovieRow& movie : MovieTable()) {
            harness.disc.writeFile("/movies/" + std::string(movie.file), "AVI");
        }
        // The disc spells the folder in capitals; the program asks for "wav".
        for (const SoundRow& sound : SoundTable()) {
            harness.disc.writeFile("/WAV/" + std::string(sound.file), "WAV");
        }
        installer = harness.disc.writeFile("/IndeoVideo/iv5play.exe", "#!/bin/sh\n");
        writeMedia();
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
    }

    // Runs before the program starts, once the disc holds its stand-ins.
    virtual void writeMedia() {}

    void choose(const char* menu) { ChooseMenuEntry(*form, form->menuEntry(menu)); }

    // The movie window as the user sees it, or nullptr when it is not shown.
    QWidget* movieWindow() { return ShownWindow(QStringLiteral("frmMovie")); }
    QWidget* openMovieWindow() {
        choose("mnuMovies");
        QWidget* window = movieWindow();
        if (window == nullptr || !QTest::qWaitForWindowActive(window)) {
            throw std::runtime_error("the movie window did not open");
        }
        return window;
    }
    template <class T = QWidget>
    T* movieControl(const char* name) {
        return Find<T>(movieWindow(), QString::fromUtf8(name));
    }
    // A click on the option's round button, where a short caption leaves no doubt.
    void chooseMovie(int index) {
        QWidget* option = movieControl<QRadioButton>(optionName(index).c_str());
        Click(option, Qt::LeftButton, QPoint(6, option->height() / 2));
    }
    static std::string optionName(int index) { return "optMovie_" + std::to_string(index); }
    std::string movieCaption() { return movieWindow()->windowTitle().toStdString(); }

    QWidget* soundPanel() { return Find(form, QStringLiteral("pnlSound")); }
    template <class T = QWidget>
    T* soundControl(const std::string& name) {
        return Find<T>(soundPanel(), QString::fromStdString(name));
    }
    void pressSound(int index) {
        Click(soundControl<QPushButton>("SSCommand2_" + std::to_string(index)));
    }

    std::size_t boxes() { return harness.prompter.shown().size(); }
    const std::string& lastText() { return harness.prompter.last().text; }
    std::string lastCode() { return lastText().substr(14, 5); }
    std::string discFile(const std::string& rel) { return harness.disc.path() + rel; }

    ShellHarness harness;
    Form1* form = nullptr;
    std::string installer;
};

}  // namespace velocarta::testing
