// velocarta-sample-disc DISC_DIR PROGRAM_DIR [--texts TEXTS_DIR]
//
// Writes the sample content disc into DISC_DIR and the program-folder files (start-up
// sound, help file, screen saver) into PROGRAM_DIR, from the texts in TEXTS_DIR.

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "sampledisc/generator.h"

#ifndef VELOCARTA_SAMPLE_TEXTS_DIR
#define VELOCARTA_SAMPLE_TEXTS_DIR "sampledisc/texts"
#endif

namespace {

constexpr const char* kName = "velocarta-sample-disc";

// Qt's notes go to the error stream, except the one about a missing runtime folder, which
// a build machine has no use for.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) {
        return;
    }
    std::fprintf(stderr, "%s\n",
                 qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

int Usage() {
    std::fprintf(stderr, "usage: %s DISC_DIR PROGRAM_DIR [--texts TEXTS_DIR]\n", kName);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    velocarta::sampledisc::GeneratorInput input;
    input.textsDir = VELOCARTA_SAMPLE_TEXTS_DIR;
    std::vector<std::string> folders;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--texts" && i + 1 < argc) {
            input.textsDir = argv[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() != 2) {
        return Usage();
    }
    input.discDir = folders[0];
    input.programDir = folders[1];

    // The pictures are drawn without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const auto start = std::chrono::steady_clock::now();
    try {
        const auto summary = velocarta::sampledisc::GenerateSampleDisc(input);
        const auto elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        std::printf("%s: %zu files (%.1f MB) in %s, %zu files in %s, %.1f s\n", kName,
                    summary.discFiles, static_cast<double>(summary.discBytes) / 1e6,
                    input.discDir.c_str(), summary.programFiles, input.programDir.c_str(),
                    elapsed.count());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", kName, error.what());
        return 1;
    }
    return 0;
}
