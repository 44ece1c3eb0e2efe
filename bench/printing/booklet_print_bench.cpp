// The longest booklet there is, printed as one job to a PDF file: the cover, the overview,
// and the description and details of every year from 1964 to 2000, read from the sample
// disc's RTF files one after the other just before each is printed, as the booklet panel
// does. Besides the time, the longest stretch the printer keeps the caller from its
// progress callback (where the window lets events run) is the freeze a user could feel.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <string>

#include "content/naming.h"
#include "content/rtf/qt/rich_text.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_printer.h"

namespace {

using namespace velocarta;

// Where the cover's pictures go, in twips, in their drawing order.
constexpr std::array<std::pair<int, int>, 4> kCoverPlaces{
    {{1600, 1600}, {2600, 4300}, {500, 8800}, {2800, 12000}}};

struct Figures {
    double longestStretchMs = 0;  // inside the printer, without calling back
    std::string longestStretchIn;
    double longestLoadMs = 0;  // one text read from its file
    double endMs = 0;          // ending the job: the PDF file completed
    int pages = 0;
    int texts = 0;
};

// Times the stretches during which the printer has control: from a call to its first
// progress callback, between callbacks, and from the last one to the return.
class Stretches {
  public:
    explicit Stretches(Figures& figures) : figures_(figures) {}
    template <typename Call>
    auto measure(std::string what, Call&& call) {
        what_ = std::move(what);
        clock_.start();
        struct Back {
            Stretches& self;
            ~Back() { self.callerHasControl(); }
        } back{*this};
        return call();
    }
    PrintProgress progress() {
        return [this](int, int) { callerHasControl(); };
    }

  private:
    void callerHasControl() {
        const double stretch = clock_.nsecsElapsed() / 1e6;
        if (stretch > figures_.longestStretchMs) {
            figures_.longestStretchMs = stretch;
            figures_.longestStretchIn = what_;
        }
        // The window processes its events here.
        clock_.restart();
    }
    Figures& figures_;
    QElapsedTimer clock_;
    std::string what_;
};

std::string Found(PosixFileSystem& files, const ContentFile& file) {
    const auto path = files.resolve(file);
    if (!path) {
        throw std::runtime_error("not on the sample disc: " + file.full());
    }
    return *path;
}

// The booklet's texts in their order: the overview, then each year's description and
// details. `load(i, document)` fills the document with the i-th.
constexpr int kTexts = 1 + 37 * 2;
using LoadText = std::function<void(int, QTextDocument&)>;

ContentFile BookletText(const std::string& disc, int i) {
    if (i == 0) {
        return BookletOverviewDoc(disc);
    }
    const int year = 64 + (i - 1) / 2;
    return (i - 1) % 2 == 0 ? BookletDescriptionDoc(disc, year) : BookletDetailsDoc(disc, year);
}

PrintJob PrintBooklet(QtPrinter& printer, const LoadText& load, Figures& figures) {
    PosixFileSystem files;
    const std::string disc = VELOCARTA_SAMPLE_DISC;
    Stretches stretches(figures);
    printer.beginDocument("The Vantrel Velocarta Booklet");
    const auto cover = BookletCoverPictures();
    for (std::size_t i = 0; i < cover.size(); ++i) {
        const std::string picture = Found(files, ContentFile{disc, std::string(cover[i])});
        stretches.measure("the cover", [&] {
            printer.drawPicture(picture, kCoverPlaces[i].first, kCoverPlaces[i].second);
        });
    }
    stretches.measure("a new page", [&] { printer.newPage(); });

    QTextDocument text;
    for (int i = 0; i < kTexts; ++i) {
        QElapsedTimer loading;
        loading.start();
        load(i, text);
        figures.longestLoadMs = std::max(figures.longestLoadMs, loading.nsecsElapsed() / 1e6);
        stretches.measure("text " + std::to_string(i), [&] {
            return printer.printRichTextPages(text, Margins{}, stretches.progress());
        });
        stretches.measure("a new page", [&] { printer.newPage(); });
        ++figures.texts;
    }
    QElapsedTimer end;
    end.start();
    const PrintJob job = stretches.measure("the end", [&] { return printer.endDocument(); });
    figures.endMs = end.nsecsElapsed() / 1e6;
    figures.pages = job.pages;
    return job;
}

void RunBooklets(benchmark::State& state, const LoadText& load, const char* keptAs) {
    if (!QDir(QStringLiteral(VELOCARTA_SAMPLE_DISC)).exists()) {
        state.SkipWithError("no sample disc");
        return;
    }
    QTemporaryDir folder;
    QtPrinter printer(folder.path());
    Figures worst;
    for (auto _ : state) {
        Figures figures;
        const PrintJob job = PrintBooklet(printer, load, figures);
        if (figures.longestStretchMs > worst.longestStretchMs) {
            worst.longestStretchMs = figures.longestStretchMs;
            worst.longestStretchIn = figures.longestStretchIn;
        }
        worst.longestLoadMs = std::max(worst.longestLoadMs, figures.longestLoadMs);
        worst.endMs = std::max(worst.endMs, figures.endMs);
        worst.pages = figures.pages;
        worst.texts = figures.texts;
        // The last booklet is kept beside the benchmark for a look.
        const QString kept = QCoreApplication::applicationDirPath() + '/' + keptAs;
        QFile::remove(kept);
        QFile::rename(QString::fromStdString(job.pdfFile), kept);
    }
    state.counters["pages"] = worst.pages;
    state.counters["texts"] = worst.texts;
    state.counters["longest_stretch_ms"] = worst.longestStretchMs;
    state.counters["longest_text_load_ms"] = worst.longestLoadMs;
    state.counters["end_document_ms"] = worst.endMs;
    state.SetLabel("longest stretch in " + worst.longestStretchIn);
}

// The sample disc's own texts, read by the RTF reader (about a page each).
void BM_BookletOfTheSampleDisc(benchmark::State& state) {
    PosixFileSystem files;
    const std::string disc = VELOCARTA_SAMPLE_DISC;
    RunBooklets(
        state,
        [&](int i, QTextDocument& document) {
            LoadRtfFile(QString::fromStdString(Found(files, BookletText(disc, i))), document);
        },
        "booklet.pdf");
}
BENCHMARK(BM_BookletOfTheSampleDisc)->Unit(benchmark::kMillisecond)->Iterations(3);

// Longer texts of three to five pages each: numbered paragraphs of 60 to 120 words under
// headings, a table in every third text.
void BM_BookletOfLongerTexts(benchmark::State& state) {
    RunBooklets(
        state,
        [](int i, QTextDocument& document) {
            QString html;
            int word = 0;
            for (int p = 0; p < 18 + (i % 3) * 8; ++p) {
                if (p % 6 == 0) {
                    html += QStringLiteral("<h2>Section %1 of text %2</h2>").arg(p / 6 + 1).arg(i);
                }
                html += QStringLiteral("<p>");
                for (int w = 0; w < 60 + (p * 13) % 60; ++w) {
                    html +=
                        (w % 17 == 5 ? QStringLiteral("<i>word%1</i> ") : QStringLiteral("word%1 "))
                            .arg(++word);
                }
                html += QStringLiteral("</p>");
                if (i % 3 == 0 && p == 4) {
                    html += QStringLiteral("<table border=1>");
                    for (int row = 0; row < 8; ++row) {
                        html += QStringLiteral(
                                    "<tr><td>Engine %1</td><td>%2 hp</td><td>%3 "
                                    "cc</td></tr>")
                                    .arg(row)
                                    .arg(100 + row * 15)
                                    .arg(2000 + row * 250);
                    }
                    html += QStringLiteral("</table>");
                }
            }
            document.setHtml(html);
        },
        "booklet-longer-texts.pdf");
}
BENCHMARK(BM_BookletOfLongerTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
