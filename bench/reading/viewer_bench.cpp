// A document of about a hundred pages: opening it in the viewer's text box, and printing it
// to a PDF file. The longest stretch without window events is the freeze a user could feel.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "content/rtf/qt/rich_text.h"
#include "platform/qt/qt_printer.h"

namespace {

using namespace velocarta;

// About 100 printed pages: numbered paragraphs of 60 to 120 words, a heading every tenth.
QString HundredPageDocument(const QTemporaryDir& folder) {
    std::ostringstream rtf;
    rtf << "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
           "{\\colortbl;\\red0\\green80\\blue40;}\\f0\\fs22 ";
    int word = 0;
    for (int p = 0; p < 330; ++p) {
        if (p % 10 == 0) {
            rtf << "\\pard\\sb240\\sa120\\f1\\fs32\\b\\cf1 Chapter " << p / 10 + 1
                << "\\b0\\cf0\\fs22\\f0\\par ";
        }
        rtf << "\\pard\\sa120\\fi360\\qj ";
        for (int i = 0; i < 60 + (p * 13) % 60; ++i) {
            rtf << (i % 17 == 5 ? "\\i " : "") << "word" << ++word << (i % 17 == 5 ? "\\i0 " : " ");
        }
        rtf << "\\par ";
    }
    rtf << "}";
    const QString path = folder.filePath(QStringLiteral("hundred.rtf"));
    std::ofstream(path.toStdString()) << rtf.str();
    return path;
}

const QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

void BM_OpenInViewer(benchmark::State& state) {
    const QString path = HundredPageDocument(Folder());
    for (auto _ : state) {
        QTextBrowser box;
        box.resize(640, 440);
        LoadRtfFile(path, *box.document());
        box.show();
        QCoreApplication::processEvents();  // lays out and paints the first screen
        benchmark::DoNotOptimize(box.document()->pageCount());
    }
}
BENCHMARK(BM_OpenInViewer)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PrintToPdf(benchmark::State& state) {
    const QString path = HundredPageDocument(Folder());
    QTextDocument document;
    LoadRtfFile(path, document);
    QtPrinter printer(Folder().filePath(QStringLiteral("out")));
    double longestGapMs = 0;
    int pages = 0;
    for (auto _ : state) {
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        printer.beginDocument("Hundred pages");
        printer.printRichTextPages(document, Margins{}, [&](int, int) {
            longestGapMs = std::max(longestGapMs, sinceEvents.nsecsElapsed() / 1e6);
            sinceEvents.restart();
        });
        const PrintJob job = printer.endDocument();
        pages = job.pages;
        QFile::remove(QString::fromStdString(job.pdfFile));
    }
    state.counters["pages"] = pages;
    state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
