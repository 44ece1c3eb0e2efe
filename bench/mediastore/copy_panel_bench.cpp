// The copy panel of the real main window copying 500 MB of photos, against cp(1) copying
// the same files in the same run: the menu entry, a click on "Copy Photos", and the event
// loop running until the panel closes, with the real services (the message boxes answer
// themselves). Rounds alternate which copy goes first; the disk is synced before each.
// Counters: the throughput of both (best round), our share of cp's (best rounds and median
// round), and the longest time the window went without handling an event: a timer that
// asks to run every 5 ms measures the gaps between its runs, from the click to the panel
// closing (the click's own work, the catalogue of the disc and the plan, counts too), with
// the 99th percentile of those gaps and where in the copy the longest one ended (0 at the
// click, 1 at the end): on a busy machine the longest gap says as much about the other
// programs as about this one.
//
// VELOCARTA_BENCH_DIR chooses the folder the files go to (default: the temporary folder).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "app/system_services.h"
#include "photo_disc.h"
#include "program/program.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/program_windows.h"

namespace {

using namespace velocarta;
using namespace velocarta::bench;

const PhotoDisc& Disc() {
    static const PhotoDisc disc;
    return disc;
}

// Every box answers as the user would who wants the copy: OK, or Yes.
class AnsweringPrompter final : public Prompter {
  public:
    std::vector<std::string> shown;

  protected:
    Answer show(const Message& message) override {
        shown.push_back(message.text);
        return message.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

// Other runs of the program on this machine do not keep the benchmark from starting.
class NoOtherInstance final : public InstanceGuard {
  public:
    bool acquire() override { return true; }
};

// The program with its real services and windows, started on the benchmark's disc.
struct RealProgram {
    SystemServices system;
    AnsweringPrompter prompter;
    NoOtherInstance instanceGuard;
    Services services = ServicesWith(
        system, {.prompter = &prompter, .instanceGuard = &instanceGuard, .endProgram = [] {}});
    Program program{services, Disc().program(), ""};
    ProgramWindows windows{program};

    Form1* start() {
        windows.form2().Form_Load();
        windows.form2().Timer1_Timer();
        return windows.form1();
    }
};

struct PanelCopy {
    double seconds = 0;
    double longestGap = 0;
    // Where in the copy the longest gap ended: 0 at the click, 1 when the panel closed.
    double longestGapAt = 0;
    std::vector<double> gaps;
    int progressEvents = 0;
    bool complete = false;
};

// Ends the event loop when the panel hides.
class HideWatch : public QObject {
  public:
    explicit HideWatch(QEventLoop& loop) : loop_(loop) {}
    Clock::time_point hiddenAt;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            hiddenAt = Clock::now();
            loop_.quit();
        }
        return false;
    }

  private:
    QEventLoop& loop_;
};

PanelCopy CopyThroughThePanel(RealProgram& real, Form1& form) {
    fs::remove_all(Disc().program() + "/vantrels");
    ::sync();
    real.prompter.shown.clear();
    form.menuEntry("mnuCopy")->trigger();
    auto* panel = form.findChild<QFrame*>(QStringLiteral("pnlProgress"));
    auto* copyButton = form.findChild<QPushButton*>(QStringLiteral("cmdCopy"));
    auto* fileGauge = form.findChild<QProgressBar*>(QStringLiteral("ProgressGuage"));
    if (panel == nullptr || !panel->isVisible()) {
        return {};
    }

    PanelCopy result;
    QEventLoop loop;
    HideWatch watch(loop);
    panel->installEventFilter(&watch);
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    auto last = Clock::now();
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        result.gaps.push_back(Seconds(now - last));
        last = now;
    });
    const QMetaObject::Connection counting = QObject::connect(
        fileGauge, &QProgressBar::valueChanged, [&](int) { ++result.progressEvents; });

    const auto start = Clock::now();
    last = start;
    probe.start();
    copyButton->click();
    loop.exec();
    probe.stop();
    // The gap that ended with the panel closing.
    result.gaps.push_back(Seconds(watch.hiddenAt - last));
    panel->removeEventFilter(&watch);
    QObject::disconnect(counting);
    result.seconds = Seconds(watch.hiddenAt - start);
    double elapsed = 0;
    for (const double gap : result.gaps) {
        elapsed += gap;
        if (gap > result.longestGap) {
            result.longestGap = gap;
            result.longestGapAt = elapsed / result.seconds;
        }
    }
    result.complete =
        real.prompter.shown == std::vector<std::string>{"Photos successfully copied!\r\n"};
    return result;
}

void BM_CopyPanelAgainstCp(benchmark::State& state) {
    fs::create_directories(Disc().program());
    auto real = std::make_unique<RealProgram>();
    Form1* started = real->start();
    if (started == nullptr) {
        state.SkipWithError("the main window did not open");
        return;
    }
    Form1& form = *started;
    const double megabytes = static_cast<double>(Disc().bytes()) / 1e6;
    std::vector<double> cpTimes;
    std::vector<double> ourTimes;
    std::vector<double> ratios;
    double longestGap = 0;
    double longestGapAt = 0;
    std::vector<double> gaps;
    int progressEvents = 0;
    int round = 0;
    for (auto _ : state) {
        Timing cp;
        PanelCopy ours;
        if (round++ % 2 == 0) {
            cp = TimeCp(Disc());
            ours = CopyThroughThePanel(*real, form);
        } else {
            ours = CopyThroughThePanel(*real, form);
            cp = TimeCp(Disc());
        }
        if (cp.seconds < 0 || !ours.complete) {
            state.SkipWithError("a copy failed");
            break;
        }
        state.SetIterationTime(ours.seconds);
        cpTimes.push_back(cp.seconds);
        ourTimes.push_back(ours.seconds);
        ratios.push_back(cp.seconds / ours.seconds);
        if (ours.longestGap > longestGap) {
            longestGap = ours.longestGap;
            longestGapAt = ours.longestGapAt;
        }
        gaps.insert(gaps.end(), ours.gaps.begin(), ours.gaps.end());
        progressEvents = ours.progressEvents;
    }
    real.reset();
    fs::remove_all(Disc().cpTarget());
    fs::remove_all(Disc().program());
    if (ourTimes.empty()) {
        return;
    }
    const double bestCp = *std::min_element(cpTimes.begin(), cpTimes.end());
    const double bestOurs = *std::min_element(ourTimes.begin(), ourTimes.end());
    state.counters["files"] = Disc().files();
    state.counters["MB"] = megabytes;
    state.counters["cp_MB_per_s"] = megabytes / bestCp;
    state.counters["ours_MB_per_s"] = megabytes / bestOurs;
    state.counters["share_of_cp_best"] = bestCp / bestOurs;
    state.counters["share_of_cp_median"] = Median(ratios);
    state.counters["longest_gap_ms"] = longestGap * 1000;
    state.counters["longest_gap_at"] = longestGapAt;
    std::sort(gaps.begin(), gaps.end());
    state.counters["gap_p99_ms"] = gaps[gaps.size() * 99 / 100] * 1000;
    state.counters["gauge_moves"] = progressEvents;
}
BENCHMARK(BM_CopyPanelAgainstCp)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VELOCARTA_DRIVES", QByteArray::fromStdString(Disc().disc()));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
