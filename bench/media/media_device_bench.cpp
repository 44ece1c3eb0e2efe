// How quickly the multimedia device answers: from opening a movie to its first frame on the
// screen, from pressing play on a sound to the sound running, and from opening a sound that
// cannot be played to the error. The media are the sample
// disc's first movie (320 x 240 Motion-JPEG with PCM sound) and the start-up sound.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>
#include <fstream>

#include "platform/qt/qt_media_device.h"
#include "platform/qt/video_surface.h"
#include "sampledisc/avi_writer.h"
#include "sampledisc/disc_plan.h"
#include "sampledisc/movies.h"
#include "sampledisc/sounds.h"
#include "sampledisc/wav_writer.h"
#include "support/event_loop.h"

namespace velocarta {
namespace {

using bench::Clock;
using bench::RunEventsUntil;
using bench::SecondsSince;

struct SampleMedia {
    QTemporaryDir folder;
    std::string movie = write(
        "ComingApril17.avi",
        sampledisc::WriteAvi(sampledisc::MakeMovie(sampledisc::MakeDiscPlan().movies.front())));
    std::string sound = write("passby.wav", sampledisc::WriteWav(sampledisc::StartupPassby()));
    // The start-up sound with a format tag no decoder knows: it passes the header check
    // and GStreamer has to refuse it.
    std::string unplayable = write("unknown.wav", [this] {
        std::string bytes = sampledisc::WriteWav(sampledisc::StartupPassby());
        bytes[20] = bytes[21] = '\x77';
        return bytes;
    }());

    std::string write(const char* name, const std::string& bytes) const {
        const std::string path = folder.filePath(QString::fromLatin1(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

SampleMedia& Media() {
    static SampleMedia media;
    return media;
}

void BM_MovieOpenToFirstFrameShown(benchmark::State& state) {
    QWidget display;  // the size of the movie window's picture box
    display.resize(321, 217);
    display.show();
    QtMediaDevice device;
    device.setDisplayWindow(&display);
    double openSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        device.setDeviceType(DeviceType::AVIVideo);
        device.setFileName(Media().movie);
        device.open();
        openSeconds += SecondsSince(start);
        bool shown = false;
        QObject::connect(device.surface(), &VideoSurface::frameShown, [&shown] { shown = true; });
        if (!RunEventsUntil([&shown] { return shown; })) {
            state.SkipWithError("no frame was shown");
            break;
        }
        state.SetIterationTime(SecondsSince(start));
        device.close();
    }
    state.counters["open_ms"] =
        benchmark::Counter(openSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MovieOpenToFirstFrameShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// Play pressed on an open sound until its position moves: the sound is running.
void BM_SoundPlayToPlaybackStart(benchmark::State& state) {
    QtMediaDevice device;
    for (auto _ : state) {
        device.setDeviceType(DeviceType::WaveAudio);
        device.setFileName(Media().sound);
        device.open();
        const auto start = Clock::now();
        device.play();
        if (!RunEventsUntil([&device] { return device.position().count() > 0; })) {
            state.SkipWithError("the sound did not start");
            break;
        }
        state.SetIterationTime(SecondsSince(start));
        device.close();
    }
}
BENCHMARK(BM_SoundPlayToPlaybackStart)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// A play button of the sound panel: close, type, file, open and play, until the sound runs.
void BM_SoundButtonToPlaybackStart(benchmark::State& state) {
    QtMediaDevice device;
    for (auto _ : state) {
        const auto start = Clock::now();
        device.close();
        device.setDeviceType(DeviceType::WaveAudio);
        device.setFileName(Media().sound);
        device.open();
        device.play();
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

// Opening a sound GStreamer cannot decode, until MediaError says so.
void BM_UnplayableSoundError(benchmark::State& state) {
    QtMediaDevice device;
    for (auto _ : state) {
        device.setDeviceType(DeviceType::WaveAudio);
        device.setFileName(Media().unplayable);
        try {
            device.open();
            state.SkipWithError("the unplayable sound opened");
            break;
        } catch (const MediaError&) {
        }
    }
}
BENCHMARK(BM_UnplayableSoundError)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace velocarta

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    velocarta::Media();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
