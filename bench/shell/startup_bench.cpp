// The start-up window's work before its timer: the disc search, the start of the start-up
// sound and the catalogue of the sample disc, with the real services.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/system_services.h"
#include "content/catalogue.h"
#include "program/program.h"
#include "shell/disc_search.h"
#include "shell/form2.h"
#include "shell/program_windows.h"

namespace {

using namespace velocarta;

SystemServices& System() {
    static SystemServices system;
    return system;
}

void BM_StartupLoad(benchmark::State& state) {
    for (auto _ : state) {
        Program program(System().services, VELOCARTA_PROGRAM_FOLDER, "");
        ProgramWindows windows(program);
        windows.form2().Form_Load();
        if (program.photos.count() == 0) {
            state.SkipWithError("no sample disc");
        }
        state.PauseTiming();
        program.services.startupDevice.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_DiscSearch(benchmark::State& state) {
    Environment& environment = System().environment;
    for (auto _ : state) {
        const auto roots =
            SearchContent(System().fileSystem, VELOCARTA_PROGRAM_FOLDER,
                          ContentDiscCandidates(environment.variable("VELOCARTA_DRIVES"),
                                                environment.mountTable(), environment.userName()));
        benchmark::DoNotOptimize(roots);
    }
}
BENCHMARK(BM_DiscSearch)->Unit(benchmark::kMicrosecond);

void BM_StartupSoundStart(benchmark::State& state) {
    MediaDevice& device = System().startupDevice;
    for (auto _ : state) {
        device.setDeviceType(DeviceType::WaveAudio);
        device.setFileName(std::string(VELOCARTA_PROGRAM_FOLDER) + "/passby.wav");
        device.open();
        device.play();
        state.PauseTiming();
        device.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupSoundStart)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SampleDiscCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        auto catalogue =
            PhotoCatalogue::Build(System().fileSystem, VELOCARTA_SAMPLE_DISC,
                                  [](const FileSystemError&) { return RetryChoice::GiveUp; });
        benchmark::DoNotOptimize(catalogue);
    }
}
BENCHMARK(BM_SampleDiscCatalogue)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VELOCARTA_DRIVES", VELOCARTA_SAMPLE_DISC);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
