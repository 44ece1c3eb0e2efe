// Reading a 5 MB RTF document, building its QTextDocument, and Debian's unrtf reading the
// same file for comparison.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QTextDocument>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "content/rtf/plain_text.h"
#include "content/rtf/qt/rich_text.h"
#include "content/rtf/reader.h"

namespace {

constexpr std::size_t kDocumentBytes = 5 * 1024 * 1024;

// A document like the product's own, only longer: formatted paragraphs in several code
// pages and Unicode, bullet lists, tables, hyperlinks and a picture now and then.
std::string MakeDocument() {
    std::string rtf =
        R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\froman\fcharset0 Times New Roman;})"
        R"({\f1\fswiss\fcharset0 Arial;}{\f2\fnil\fcharset2 Symbol;}{\f3\fswiss\fcharset204 Arial CYR;}})"
        R"({\colortbl;\red0\green0\blue0;\red192\green0\blue0;\red0\green0\blue255;})"
        R"({\info{\title Vantrel yearbook}}\viewkind4\uc1)"
        "\n";
    const std::string picture =
        R"({\pict\pngblip\picw4\pich4\picwgoal600\pichgoal600 )"
        "89504e470d0a1a0a0000000d4948445200000004000000040802000000269309290000001049444154"
        "789c6338212707470cc47100b16310413b4b63820000000049454e44ae426082}";
    for (int section = 0; rtf.size() < kDocumentBytes; ++section) {
        rtf += R"(\pard\plain\qc\sb240\sa120\f1\fs32\b The Vantrel of )" +
               std::to_string(1964 + section % 37) +
               R"(\b0\par)"
               "\n";
        for (int paragraph = 0; paragraph < 8; ++paragraph) {
            rtf +=
                R"(\pard\plain\qj\fi360\sa120\f0\fs22 In that year the works at Harwick built )"
                R"(\b )" +
                std::to_string(1000 + section * 7 + paragraph) +
                R"(\b0  cars. The \i Kite\i0  kept its \ul chrome grille\ulnone , )"
                R"(caf\'e9 racers praised it \emdash\~and \cf2 M\'fcnster\cf0  dealers sold )"
                R"(it for \'a31,200 \u8364?. {\f3\'c2\'e0\'ed\'f2\'f0\'e5\'eb\'fc} owners in )"
                R"(\u1052?\u1086?\u1089?\u1082?\u1074?\u1072? wrote to the club at )"
                R"({\field{\*\fldinst HYPERLINK "http://vantrel.example.org/"}{\fldrslt )"
                R"({\ul\cf3 vantrel.example.org}}}. H\sub 2\nosupersub O, mc\super 2\nosupersub .)"
                R"(\par)"
                "\n";
        }
        for (int item = 0; item < 3; ++item) {
            rtf += R"({\pntext\f2\'b7\tab}{\*\pn\pnlvlblt\pnf2{\pntxtb\'b7}}\pard\fi-360\li720 )"
                   R"(Option )" +
                   std::to_string(item) +
                   R"( with twin mirrors\par)"
                   "\n";
        }
        rtf += R"(\pard\trowd\trgaph108\cellx2000\cellx4000\cellx6000)"
               "\n";
        for (int row = 0; row < 4; ++row) {
            rtf += R"(\pard\intbl\f0\fs20 Engine K)" + std::to_string(row) +
                   R"(\cell 1,598 cc\cell 96 hp\cell\row)"
                   "\n";
        }
        rtf += R"(\pard )";
        if (section % 10 == 0) {
            rtf += picture;
        }
        rtf += R"(\par)"
               "\n";
    }
    return rtf + "}";
}

const std::string& Document() {
    static const std::string document = MakeDocument();
    return document;
}

const std::string& DocumentFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() /
                                  ("velocarta-bench-" + std::to_string(::getpid()) + ".rtf"))
                                     .string();
        std::ofstream(file, std::ios::binary) << Document();
        return file;
    }();
    return path;
}

void BM_ReadRtf(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(velocarta::rtf::Read(Document()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Document().size()));
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_ReadRtfToText(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(velocarta::rtf::PlainText(velocarta::rtf::Read(Document())));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Document().size()));
}
BENCHMARK(BM_ReadRtfToText)->Unit(benchmark::kMillisecond);

void BM_BuildTextDocument(benchmark::State& state) {
    const velocarta::rtf::Document model = velocarta::rtf::Read(Document());
    for (auto _ : state) {
        QTextDocument document;
        velocarta::BuildTextDocument(model, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
}
BENCHMARK(BM_BuildTextDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReadAndBuildTextDocument(benchmark::State& state) {
    for (auto _ : state) {
        QTextDocument document;
        velocarta::BuildTextDocument(velocarta::rtf::Read(Document()), document);
        benchmark::DoNotOptimize(document.characterCount());
    }
}
BENCHMARK(BM_ReadAndBuildTextDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

// Our whole command, reading the file included, against unrtf's on the same file.
void BM_VelocartaRtfTextCommand(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(DocumentFile(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(velocarta::rtf::PlainText(velocarta::rtf::Read(bytes)));
    }
}
BENCHMARK(BM_VelocartaRtfTextCommand)->Unit(benchmark::kMillisecond);

void BM_UnrtfText(benchmark::State& state) {
    if (std::system("command -v unrtf >/dev/null 2>&1") != 0) {
        state.SkipWithError("unrtf is not installed: no comparison figure");
        return;
    }
    // unrtf writes the document's pictures into the current folder: give it one of its own.
    const std::string folder = DocumentFile() + ".unrtf";
    std::filesystem::create_directories(folder);
    const std::string command =
        "cd '" + folder + "' && unrtf --text '" + DocumentFile() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const int status = std::system(command.c_str());
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (status != 0) {
            state.SkipWithError("unrtf failed");
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_UnrtfText)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::printf("Document: %zu bytes\n", Document().size());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(DocumentFile().c_str());
    return 0;
}
