// Steps through every photo of the sample disc in the real main window, then reports the
// peak resident memory: the photo prefetch keeps only the neighbours, so it stays flat.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>

#include <QTest>
#include <QToolButton>

#include "program/spin_button.h"
#include "support/running_program.h"

namespace {

long StatusKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stol(line.substr(field.size() + 1));
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VELOCARTA_DRIVES", VELOCARTA_SAMPLE_DISC);
    QApplication app(argc, argv);
    using namespace velocarta;
    bench::RunningProgram running(VELOCARTA_PROGRAM_FOLDER);
    Program& program = running.program;
    Form1& form = *running.form;
    const PhotoCatalogue& photos = program.photos;
    auto click = [](QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    };
    QWidget* nextPhoto = form.findChild<SpinButton*>(QStringLiteral("SpinButton1"))->upButton();
    QWidget* photo = form.findChild<QWidget*>(QStringLiteral("Image4"));

    const long startKb = StatusKilobytes("VmRSS");
    int shown = 0;
    auto stepThroughRun = [&] {
        const auto [first, last] = photos.runOf(program.onShow.yearCode());
        const int count = std::max(0, last - first + 1);
        for (int step = 0; step < count; ++step) {
            click(nextPhoto);
            QCoreApplication::processEvents();
        }
        shown += count;
    };
    for (int index = 1; index <= 37; ++index) {
        click(form.findChild<QPushButton*>(QStringLiteral("cmdYR_%1").arg(index)));
        stepThroughRun();
    }
    // 2000 is on show: the photo clicks run through the editions and merchandise.
    for (int advance = 0; advance < 11; ++advance) {
        click(photo);
        stepThroughRun();
    }
    form.menuEntry("mnuSpecialty", 0)->trigger();  // the Dorran is not in the cycle
    stepThroughRun();

    std::cout << "photos in the catalogue: " << photos.count() << "\n"
              << "photo steps: " << shown << "\n"
              << "resident after start-up: " << startKb / 1024.0 << " MiB\n"
              << "resident now: " << StatusKilobytes("VmRSS") / 1024.0 << " MiB\n"
              << "peak resident: " << StatusKilobytes("VmHWM") / 1024.0 << " MiB\n";
    return 0;
}
