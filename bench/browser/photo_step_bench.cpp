// A photo step with and without the neighbours decoded ahead, against a plain full decode
// of the same JPEG. A step is what the user waits for: the photo decoded for the photo
// control (or taken from the prefetch) and painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImageReader>
#include <QPixmap>

#include "platform/posix/posix_file_system.h"
#include "program/photo_cache.h"
#include "program/photo_view.h"

namespace {

using namespace velocarta;

// The largest photo of the sample disc's 1966 run.
const ContentFile kPhoto{VELOCARTA_SAMPLE_DISC, "/vantrels/66B.JPG"};
const QSize kControl(784, 412);

QString HostPath() {
    static PosixFileSystem fileSystem;
    return QString::fromStdString(fileSystem.resolve(kPhoto).value_or(""));
}

void BM_PlainDecode(benchmark::State& state) {
    const QString path = HostPath();
    QSize size;
    for (auto _ : state) {
        QImageReader reader(path);
        const QImage image = reader.read();
        size = image.size();
        benchmark::DoNotOptimize(image);
    }
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}
BENCHMARK(BM_PlainDecode)->Unit(benchmark::kMillisecond);

void Step(benchmark::State& state, bool prefetched) {
    PosixFileSystem fileSystem;
    PhotoView view;
    view.resize(kControl);
    QPixmap screen(kControl);
    for (auto _ : state) {
        state.PauseTiming();
        PhotoCache cache(fileSystem);
        if (prefetched) {
            cache.prefetch({}, {kPhoto}, kControl);
            cache.load(kPhoto, kControl);  // waits for the decode, which the user never sees
            cache.prefetch(kPhoto, {}, kControl);
        }
        state.ResumeTiming();
        view.setImage(cache.load(kPhoto, kControl));
        view.render(&screen);
    }
}

void BM_StepWithoutPrefetch(benchmark::State& state) {
    Step(state, false);
}
BENCHMARK(BM_StepWithoutPrefetch)->Unit(benchmark::kMillisecond);

void BM_StepWithPrefetch(benchmark::State& state) {
    Step(state, true);
}
BENCHMARK(BM_StepWithPrefetch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
