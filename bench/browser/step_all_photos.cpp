// Steps through every photo of the sample disc in the real main window, then reports the
// peak resident memory: the photo prefetch keeps only the neighbours, so it stays flat.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>

#include "app/system_services.h"
#include "browser/photo_cache.h"
#include "content/module1.h"
#include "shell/form1.h"
#include "shell/form2.h"

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
    SystemServices system;
    Module1 module(system.services, VELOCARTA_PROGRAM_FOLDER, "");
    module.form2().Form_Load();
    module.form2().Timer1_Timer();
    Form1& form = *module.form1();
    const PhotoCatalogue& photos = module.state.photos;

    const long startKb = StatusKilobytes("VmRSS");
    int shown = 0;
    auto stepThroughRun = [&] {
        const auto [first, last] = photos.runOf(module.state.yearCode);
        const int count = std::max(0, last - first + 1);
        for (int step = 0; step < count; ++step) {
            form.NextPhoto();
            QCoreApplication::processEvents();
        }
        shown += count;
    };
    for (int index = 1; index <= 37; ++index) {
        form.cmdYR[index]->click();
        stepThroughRun();
    }
    // 2000 is on show: the photo clicks run through the editions and merchandise.
    for (int click = 0; click < 11; ++click) {
        form.Image4_MouseDown(Qt::LeftButton);
        stepThroughRun();
    }
    form.mnuSpecialty_Click(0);
    stepThroughRun();

    std::cout << "photos in the catalogue: " << photos.count() << "\n"
              << "photo steps: " << shown << "\n"
              << "resident after start-up: " << startKb / 1024.0 << " MiB\n"
              << "resident now: " << StatusKilobytes("VmRSS") / 1024.0 << " MiB\n"
              << "peak resident: " << StatusKilobytes("VmHWM") / 1024.0 << " MiB\n"
              << "photos held by the prefetch: " << form.photoCache().photosHeld() << "\n";
    system.startupDevice.close();
    return 0;
}
