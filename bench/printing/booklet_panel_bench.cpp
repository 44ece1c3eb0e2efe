// The whole booklet printed from the main window's booklet panel: every section, 1964 to
// 2000, from the sample disc to a PDF file, as a user starts it with Print. Besides the
// time, the longest stretch without window events: a timer that fires whenever the window
// processes its events measures the longest gap between two of its ticks while the booklet
// prints, which is the freeze a user could see.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <string>

#include "app/system_services.h"
#include "program/program.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/program_windows.h"

namespace {

using namespace velocarta;

// Answers every box with OK and keeps its text: the last one says where the booklet went.
class AnsweringPrompter final : public Prompter {
  public:
    std::string lastText;

  protected:
    Answer show(const Message& message) override {
        lastText = message.text;
        return Answer::Ok;
    }
};

// Benchmarks may run beside the program itself.
class SoleInstance final : public InstanceGuard {
  public:
    bool acquire() override { return true; }
};

// The printer, telling which of its calls ran since the window last processed events.
class TracingPrinter final : public Printer {
  public:
    TracingPrinter(Printer& inner, std::string& calls) : inner_(inner), calls_(calls) {}
    void beginDocument(const std::string& title) override {
        note("begin");
        inner_.beginDocument(title);
    }
    bool isJobOpen() const override { return inner_.isJobOpen(); }
    void printLine(const std::string& text) override {
        note("line");
        inner_.printLine(text);
    }
    void drawPicture(const std::string& hostPath, int x, int y, PictureFit fit) override {
        note("picture");
        inner_.drawPicture(hostPath, x, y, fit);
    }
    void newPage() override {
        note("new page");
        inner_.newPage();
    }
    int printRichTextPages(const QTextDocument& document, const Margins& margins,
                           const PrintProgress& progress) override {
        note("text");
        return inner_.printRichTextPages(document, margins, progress);
    }
    PrintJob endDocument() override {
        note("end");
        return inner_.endDocument();
    }
    void abortDocument() override { inner_.abortDocument(); }
    bool showSetupDialog(QWidget* parent) override { return inner_.showSetupDialog(parent); }

  private:
    void note(const char* call) { calls_ += calls_.empty() ? call : std::string(", ") + call; }
    Printer& inner_;
    std::string& calls_;
};

SystemServices& System() {
    static SystemServices system;
    return system;
}

// The pages of a PDF file, counted from its page objects.
int PagesOf(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return 0;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    int pages = 0;
    for (auto found = page.globalMatch(QString::fromLatin1(pdf.readAll())); found.hasNext();
         found.next()) {
        ++pages;
    }
    return pages;
}

void BM_WholeBookletFromThePanel(benchmark::State& state) {
    if (!QDir(QStringLiteral(VELOCARTA_SAMPLE_DISC)).exists()) {
        state.SkipWithError("no sample disc");
        return;
    }
    SystemServices& system = System();
    AnsweringPrompter prompter;
    SoleInstance instanceGuard;
    QTemporaryDir output;
    QtPrinter pdfPrinter(output.path());
    std::string callsSinceEvents;
    TracingPrinter printer(pdfPrinter, callsSinceEvents);
    Services services = ServicesWith(system, {.prompter = &prompter,
                                              .instanceGuard = &instanceGuard,
                                              .printer = &printer,
                                              .endProgram = [] {}});
    Program program(services, VELOCARTA_PROGRAM_FOLDER, "");
    ProgramWindows windows(program);
    windows.form2().Form_Load();
    windows.form2().Timer1_Timer();
    system.startupDevice.close();
    Form1& form = *windows.form1();

    // Every section, 1964 to 2000.
    form.menuEntry("mnuPrnt")->trigger();
    for (int index = 0; index < 8; ++index) {
        form.findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(index))->setChecked(true);
    }
    form.findChild<QListWidget*>(QStringLiteral("List1_0"))->setCurrentRow(0);
    form.findChild<QListWidget*>(QStringLiteral("List1_1"))->setCurrentRow(36);
    auto* print = form.findChild<QPushButton*>(QStringLiteral("cmdPrint"));

    double longestStretchMs = 0;
    std::string longestStretchIn;
    int pages = 0;
    QElapsedTimer sinceEvents;
    auto eventsRun = [&] {
        const double stretch = sinceEvents.nsecsElapsed() / 1e6;
        if (stretch > longestStretchMs) {
            longestStretchMs = stretch;
            longestStretchIn = callsSinceEvents.empty() ? "the panel" : callsSinceEvents;
        }
        callsSinceEvents.clear();
        sinceEvents.restart();
    };
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, eventsRun);
    tick.start(0);
    for (auto _ : state) {
        callsSinceEvents.clear();
        sinceEvents.start();
        print->click();
        // The stretch from the last events to the end of the run counts as well.
        eventsRun();
        state.PauseTiming();
        const std::size_t at = prompter.lastText.rfind("\r\n\r\n");
        if (at == std::string::npos) {
            state.SkipWithError(prompter.lastText.c_str());
            break;
        }
        const QString file = QString::fromStdString(prompter.lastText.substr(at + 4));
        pages = PagesOf(file);
        // The last booklet is kept beside the benchmark for a look.
        const QString kept = QCoreApplication::applicationDirPath() + "/panel-booklet.pdf";
        QFile::remove(kept);
        QFile::rename(file, kept);
        state.ResumeTiming();
    }
    tick.stop();
    state.counters["pages"] = pages;
    state.counters["longest_stretch_without_events_ms"] = longestStretchMs;
    state.SetLabel("longest stretch in: " + longestStretchIn);
}
BENCHMARK(BM_WholeBookletFromThePanel)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VELOCARTA_DRIVES", VELOCARTA_SAMPLE_DISC);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
