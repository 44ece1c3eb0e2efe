// Building the photo catalogue from a folder of 20,000 photos, against the least any
// catalogue must do: list the names and sort them.
#include <benchmark/benchmark.h>
#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "platform/posix/posix_file_system.h"

namespace {

constexpr int kPhotos = 20'000;

// A disc with kPhotos photos of every year and topic code, created once per run.
class PhotoDisc {
  public:
    PhotoDisc() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velocarta-bench-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        std::filesystem::create_directory(root_ + "/vantrels");
        const char* codes[] = {"PT", "DR", "K1", "K3", "VS", "ZZ", "VM", "TD", "TF", "A0"};
        std::mt19937 random(42);
        for (int i = 0; i < kPhotos; ++i) {
            const int year = 64 + static_cast<int>(random() % 46);
            const std::string code = year <= 99 ? std::to_string(year) : codes[year - 100];
            const std::string name = code + std::to_string(100000 + i) + (i % 3 ? ".JPG" : ".jpg");
            std::ofstream(root_ + "/vantrels/" + name).put('x');
        }
    }
    ~PhotoDisc() { std::filesystem::remove_all(root_); }
    const std::string& root() const { return root_; }

  private:
    std::string root_;
};

const PhotoDisc& Disc() {
    static const PhotoDisc disc;
    return disc;
}

void BM_BuildPhotoList(benchmark::State& state) {
    velocarta::PosixFileSystem fileSystem;
    std::size_t bytes = 0;
    int count = 0;
    for (auto _ : state) {
        auto catalogue = velocarta::PhotoCatalogue::Build(
            fileSystem, Disc().root(),
            [](const velocarta::FileSystemError&) { return velocarta::RetryChoice::GiveUp; });
        count = catalogue->count();
        bytes = catalogue->bytesHeld();
        benchmark::DoNotOptimize(catalogue);
    }
    state.counters["photos"] = count;
    state.counters["bytes_per_photo"] = static_cast<double>(bytes) / count;
}
BENCHMARK(BM_BuildPhotoList)->Unit(benchmark::kMillisecond);

// The baseline: readdir the folder into strings and std::sort them.
void BM_ListAndSortBaseline(benchmark::State& state) {
    const std::string folder = Disc().root() + "/vantrels";
    std::size_t bytes = 0;
    std::size_t count = 0;
    for (auto _ : state) {
        std::vector<std::string> names;
        DIR* dir = ::opendir(folder.c_str());
        while (const dirent* entry = ::readdir(dir)) {
            if (entry->d_name[0] != '.') {
                names.emplace_back(entry->d_name);
            }
        }
        ::closedir(dir);
        std::sort(names.begin(), names.end());
        count = names.size();
        bytes = names.capacity() * sizeof(std::string);
        benchmark::DoNotOptimize(names);
    }
    state.counters["photos"] = static_cast<double>(count);
    state.counters["bytes_per_photo"] = static_cast<double>(bytes) / static_cast<double>(count);
}
BENCHMARK(BM_ListAndSortBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    Disc();  // write the photos before anything is timed
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
