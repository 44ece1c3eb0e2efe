// Copying 500 MB of photos to the hard disk the way the copy panel does, against cp(1)
// copying the same files in the same run. Rounds alternate which copy goes first, and the
// disk is synced before each copy so that neither pays for the other's write-back.
// Counters: the throughput of both (best round), our share of cp's throughput (best rounds
// and median round), the processor time of both (median), and the longest time between
// two progress events (from the click on, so the catalogue and the plan count too), which
// is how long the window would go without handling its events. The second run takes one
// block of 25,000 bytes a step, for comparison.
//
// VELOCARTA_BENCH_DIR chooses the folder the files go to (default: the temporary folder).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "mediastore/media_copy.h"
#include "photo_disc.h"
#include "platform/posix/posix_file_copier.h"
#include "platform/posix/posix_file_system.h"

namespace {

using namespace velocarta::bench;
using velocarta::CopyEvent;

const PhotoDisc& Disc() {
    static const PhotoDisc disc;
    return disc;
}

Timing TimeCp() {
    return TimeCp(Disc());
}

struct OurCopy {
    double seconds = 0;
    double longestGap = 0;
    double cpu = 0;
    bool complete = false;
};

// The copy panel's work from the click on "Copy Photos": the target folder, the catalogue
// of the disc, then every step with a progress event after each.
OurCopy TimeMediaCopy(const velocarta::CopySettings& settings) {
    fs::remove_all(Disc().program());
    fs::create_directories(Disc().program());
    ::sync();
    velocarta::PosixFileSystem fileSystem;
    velocarta::PosixFileCopier copier;
    OurCopy result;
    const double cpuStart = OwnCpuSeconds();
    const auto start = Clock::now();
    auto last = start;
    velocarta::MediaCopy copy(velocarta::CopyKind::Photos, {Disc().disc(), Disc().program()},
                              fileSystem, copier, settings);
    copy.confirmTargetFolder();
    const auto catalogue = velocarta::PhotoCatalogue::Build(
        fileSystem, Disc().disc(),
        [](const velocarta::FileSystemError&) { return velocarta::RetryChoice::GiveUp; });
    copy.planPhotos(*catalogue);
    copy.run([&](const CopyEvent& event) {
        const auto now = Clock::now();
        result.longestGap = std::max(result.longestGap, Seconds(now - last));
        last = now;
        benchmark::DoNotOptimize(event.overallGauge);
        return true;
    });
    result.seconds = Seconds(Clock::now() - start);
    result.cpu = OwnCpuSeconds() - cpuStart;
    result.complete = copy.complete();
    return result;
}

void BM_CopyPhotosAgainstCp(benchmark::State& state) {
    // 0: the program's settings; 1: one block of 25,000 bytes a step, as the gauges count.
    const velocarta::CopySettings settings =
        state.range(0) == 0 ? velocarta::CopySettings{}
                            : velocarta::CopySettings{velocarta::kMediaCopyBlock, 1, {}};
    const double megabytes = static_cast<double>(Disc().bytes()) / 1e6;
    std::vector<double> cpTimes;
    std::vector<double> ourTimes;
    std::vector<double> ratios;
    std::vector<double> cpCpus;
    std::vector<double> ourCpus;
    double longestGap = 0;
    int round = 0;
    for (auto _ : state) {
        Timing cp;
        OurCopy ours;
        if (round++ % 2 == 0) {
            cp = TimeCp();
            ours = TimeMediaCopy(settings);
        } else {
            ours = TimeMediaCopy(settings);
            cp = TimeCp();
        }
        if (cp.seconds < 0 || !ours.complete) {
            state.SkipWithError("a copy failed");
            break;
        }
        state.SetIterationTime(ours.seconds);
        cpTimes.push_back(cp.seconds);
        ourTimes.push_back(ours.seconds);
        ratios.push_back(cp.seconds / ours.seconds);
        longestGap = std::max(longestGap, ours.longestGap);
        cpCpus.push_back(cp.cpu);
        ourCpus.push_back(ours.cpu);
    }
    fs::remove_all(Disc().cpTarget());
    fs::remove_all(Disc().program());
    if (ourTimes.empty()) {
        return;
    }
    state.counters["files"] = Disc().files();
    state.counters["MB"] = megabytes;
    state.counters["cp_MB_per_s"] = megabytes / *std::min_element(cpTimes.begin(), cpTimes.end());
    state.counters["ours_MB_per_s"] =
        megabytes / *std::min_element(ourTimes.begin(), ourTimes.end());
    state.counters["share_of_cp_best"] = *std::min_element(cpTimes.begin(), cpTimes.end()) /
                                         *std::min_element(ourTimes.begin(), ourTimes.end());
    state.counters["share_of_cp_median"] = Median(ratios);
    state.counters["longest_gap_ms"] = longestGap * 1000;
    state.counters["cp_cpu_ms"] = Median(cpCpus) * 1000;
    state.counters["ours_cpu_ms"] = Median(ourCpus) * 1000;
}
BENCHMARK(BM_CopyPhotosAgainstCp)
    ->ArgName("one_block_a_step")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(7)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
