// A disc of 500 MB of photos for the copy benchmarks, and cp(1) copying the same files.
#pragma once

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace velocarta::bench {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline constexpr std::int64_t kTotalBytes = 500'000'000;

// A disc whose photo folder holds 500 MB of photos of 200 to 400 KB, made once per run, and
// a program folder beside it. VELOCARTA_BENCH_DIR chooses where (default: the temporary
// folder).
class PhotoDisc {
  public:
    PhotoDisc() {
        const char* base = std::getenv("VELOCARTA_BENCH_DIR");
        std::string pattern = ((base != nullptr ? fs::path(base) : fs::temp_directory_path()) /
                               "velocarta-copy-XXXXXX")
                                  .string();
        root_ = ::mkdtemp(pattern.data());
        fs::create_directories(disc() + "/vantrels");
        std::mt19937_64 random(2000);
        std::vector<std::uint64_t> words(400'000 / 8 + 1);
        for (int i = 0; bytes_ < kTotalBytes; ++i) {
            const auto length = static_cast<std::size_t>(200'000 + random() % 200'001);
            for (auto& word : words) {
                word = random();
            }
            const std::string name =
                std::to_string(64 + i % 36) + "P" + std::to_string(10000 + i) + ".JPG";
            std::ofstream(disc() + "/vantrels/" + name, std::ios::binary)
                .write(reinterpret_cast<const char*>(words.data()),
                       static_cast<std::streamsize>(length));
            bytes_ += static_cast<std::int64_t>(length);
            ++files_;
        }
    }
    ~PhotoDisc() { fs::remove_all(root_); }
    PhotoDisc(const PhotoDisc&) = delete;
    PhotoDisc& operator=(const PhotoDisc&) = delete;

    std::string disc() const { return root_ + "/disc"; }
    std::string program() const { return root_ + "/program"; }
    std::string cpTarget() const { return root_ + "/cp-copy"; }
    std::int64_t bytes() const { return bytes_; }
    int files() const { return files_; }

  private:
    std::string root_;
    std::int64_t bytes_ = 0;
    int files_ = 0;
};

inline double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

inline double CpuSeconds(const rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline double OwnCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return CpuSeconds(usage);
}

struct Timing {
    double seconds = -1;  // -1: the copy failed
    double cpu = 0;       // user and system time of the copying process
};

// cp -r of the disc's photo folder, after a sync so that it pays for no earlier write-back.
inline Timing TimeCp(const PhotoDisc& disc) {
    fs::remove_all(disc.cpTarget());
    ::sync();
    const std::string from = disc.disc() + "/vantrels";
    const std::string to = disc.cpTarget();
    char* argv[] = {const_cast<char*>("cp"), const_cast<char*>("-r"),
                    const_cast<char*>(from.c_str()), const_cast<char*>(to.c_str()), nullptr};
    const auto start = Clock::now();
    pid_t child = 0;
    if (::posix_spawnp(&child, "cp", nullptr, nullptr, argv, environ) != 0) {
        return {};
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const double seconds = Seconds(Clock::now() - start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return {};
    }
    return {seconds, CpuSeconds(usage)};
}

template <class Values>
double Median(Values values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace velocarta::bench
