#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "copy_scene.h"
#include "program/gauge.h"
#include "shell/form1.h"
#include "support/failing_file_copier.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta::testing {

// The main window on a disc of real photo and movie files, on a disk with room enough,
// driven by real clicks through the menu bar and on the copy panel.
class StoreWindowTest : public ::testing::Test {
  protected:
    StoreWindowTest() {
        // Ample room: 1024 groups of 1024 clusters of 4 KiB.
        harness.diskSpace.geometry = {8, 512, 1024 * 1024, 2048 * 1024, "/"};
    }

    // Contents that differ from file to file, so that a mix-up shows.
    static std::string Contents(const std::string& name, std::size_t length) {
        std::string contents(length, '\0');
        for (std::size_t i = 0; i < length; ++i) {
            contents[i] = static_cast<char>((i * 131 + name.size() * 17 + name[0]) & 0xff);
        }
        return contents;
    }
    std::string discPhoto(const std::string& name, std::size_t length) const {
        return harness.disc.writeFile("/vantrels/" + name, Contents(name, length));
    }
    std::string discMovie(const std::string& name, std::size_t length) const {
        return harness.disc.writeFile("/movies/" + name, Contents(name, length));
    }

    // The disc reads `bytesPerSecond` and no faster, as a CD-ROM drive does: the copy then
    // takes long enough for the user (the test) to act while it runs.
    void slowDisc(std::int64_t bytesPerSecond) {
        slowCopier.beforeTransfer = [bytesPerSecond](int, std::int64_t bytes) {
            std::this_thread::sleep_for(
                std::chrono::microseconds(bytes * 1'000'000 / bytesPerSecond));
        };
        harness.copierInUse = &slowCopier;
    }

    Form1& start(const std::string& commandLine = "") {
        form = &harness.startToMainWindow(commandLine);
        QApplication::setActiveWindow(form);
        return *form;
    }
    Program& program() { return *harness.state; }
    const std::string& store() { return harness.state->storeFolder(); }

    template <class T = QWidget>
    T* control(const char* name) {
        return Find<T>(form, QString::fromUtf8(name));
    }
    QFrame* panel() { return control<QFrame>("pnlProgress"); }
    QPushButton* copyButton() { return control<QPushButton>("cmdCopy"); }
    QPushButton* cancelButton() { return control<QPushButton>("cmdCancel"); }
    Gauge* fileGauge() { return control<Gauge>("ProgressGuage"); }
    // Runs `act` once, the first time the file gauge moves: in the middle of the copy.
    void atFirstGaugeMove(std::function<void()> act) {
        auto done = std::make_shared<bool>(false);
        QObject::connect(fileGauge(), &QProgressBar::valueChanged,
                         [done, act = std::move(act)](int) {
                             if (!*done) {
                                 *done = true;
                                 act();
                             }
                         });
    }
    Gauge* overallGauge() { return control<Gauge>("ProgressGuage2"); }

    void choose(const char* menu) { ChooseMenuEntry(*form, form->menuEntry(menu)); }
    bool panelClosed() {
        // Hidden by the panel itself: the window may have closed around it.
        return QTest::qWaitFor([this] { return panel()->isHidden(); }, 60'000);
    }
    // The whole copy as the user makes it: the menu entry, then Copy; true once the panel
    // has closed again.
    bool copyThroughPanel(const char* menu = "mnuCopy") {
        choose(menu);
        if (!panel()->isVisible()) {
            return false;
        }
        Click(copyButton());
        return panelClosed();
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> shown;
        for (const Message& message : harness.prompter.shown()) {
            shown.push_back(message.text);
        }
        return shown;
    }
    std::vector<std::string> storeNames(const char* folder = "/vantrels") {
        return FolderNames(store() + folder);
    }

    // After any fault: no partial file, every photo on the hard disk whole, and the
    // catalogue of the hard disk still readable.
    void expectNothingPartial() {
        PosixFileSystem fileSystem;
        for (const char* folder : {"/vantrels", "/movies"}) {
            for (const std::string& name : storeNames(folder)) {
                EXPECT_FALSE(IsPartialCopyName(name)) << name;
            }
        }
        const PhotoCatalogue onDisk = CopyScene::Catalogue(fileSystem, store());
        for (int k = 1; k <= onDisk.count(); ++k) {
            const auto copied = fileSystem.resolve(onDisk.file(k));
            const auto original =
                fileSystem.resolve({harness.disc.path(), "/vantrels/" + onDisk.fileName(k)});
            ASSERT_TRUE(copied && original) << onDisk.fileName(k);
            EXPECT_EQ(ReadFile(*copied), ReadFile(*original)) << *copied << " is not whole";
        }
    }

    ShellHarness harness;
    FailingFileCopier slowCopier;
    Form1* form = nullptr;
};

inline const char* const kPhotosCopied = "Photos successfully copied!\r\n";
inline const char* const kAlreadyCopied =
    "These files have already been copied\r\nto your hard drive.\r\n\r\nWould you like to copy "
    "them again?";

}  // namespace velocarta::testing
