// What the user waits for in the movie window and the sound panel, on the real windows and
// the real devices with the sample disc: from a click on a movie's option to its first frame
// on the screen, and from a click on a sound's play button to the sound running.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <chrono>

#include "platform/qt/video_surface.h"
#include "support/event_loop.h"
#include "support/running_program.h"

namespace {

using namespace velocarta;
using namespace velocarta::bench;

RunningProgram& Running() {
    static RunningProgram running(VELOCARTA_PROGRAM_FOLDER);
    return running;
}

// The option's round button, as the user clicks it.
void ClickOption(QWidget* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void BM_MovieOptionClickToFirstFrameShown(benchmark::State& state) {
    RunningProgram& running = Running();
    running.form->menuEntry("mnuMovies")->trigger();
    QWidget* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("frmMovie") && top->isVisible()) {
            window = top;
        }
    }
    if (window == nullptr) {
        state.SkipWithError("the movie window did not open");
        return;
    }
    QWidget* picture = window->findChild<QWidget*>(QStringLiteral("PicMovie"));
    // Two movies of the disc in turn, so that every click opens another file.
    QWidget* options[] = {window->findChild<QWidget*>(QStringLiteral("optMovie_3")),
                          window->findChild<QWidget*>(QStringLiteral("optMovie_4"))};
    int turn = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        ClickOption(options[turn++ % 2]);
        auto* surface = picture->findChild<VideoSurface*>();
        if (surface == nullptr) {
            state.SkipWithError("the movie did not open");
            break;
        }
        bool shown = false;
        QObject::connect(surface, &VideoSurface::frameShown, [&shown] { shown = true; });
        if (!RunEventsUntil([&shown] { return shown; })) {
            state.SkipWithError("no frame was shown");
            break;
        }
        state.SetIterationTime(SecondsSince(start));
    }
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SSCommand1")),
                      Qt::LeftButton);
}
BENCHMARK(BM_MovieOptionClickToFirstFrameShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

void BM_SoundButtonToPlaybackStart(benchmark::State& state) {
    RunningProgram& running = Running();
    running.form->menuEntry("mnuSound")->trigger();
    QtMediaDevice& device = running.system.mainDevice;
    // "Passby", a two-second sound.
    auto* button = running.form->findChild<QPushButton*>(QStringLiteral("SSCommand2_18"));
    for (auto _ : state) {
        const auto start = Clock::now();
        QTest::mouseClick(button, Qt::LeftButton);
        if (!RunEventsUntil([&device] { return device.position().count() > 0; })) {
            state.SkipWithError("the sound did not start");
            break;
        }
        state.SetIterationTime(SecondsSince(start));
    }
    device.close();
}
BENCHMARK(BM_SoundButtonToPlaybackStart)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("VELOCARTA_DRIVES", VELOCARTA_SAMPLE_DISC);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
