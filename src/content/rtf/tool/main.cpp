// velocarta-rtf: shows what the RTF reader makes of a file, as plain text or as the HTML of
// the QTextDocument the rich-text boxes show.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "content/rtf/plain_text.h"
#include "content/rtf/qt/rich_text.h"
#include "content/rtf/reader.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: velocarta-rtf --text FILE    the document's text in UTF-8\n"
    "       velocarta-rtf --lines FILE   the same with every table cell's paragraphs on\n"
    "                                    lines of their own, as word processors export text\n"
    "       velocarta-rtf --html FILE    the HTML of the document the program shows\n"
    "       velocarta-rtf --warnings FILE  what the reader repaired or passed over\n";

bool ReadFile(const char* path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string_view mode = argv[1];
    if (mode != "--text" && mode != "--lines" && mode != "--html" && mode != "--warnings") {
        std::cerr << kUsage;
        return 2;
    }
    std::string bytes;
    if (!ReadFile(argv[2], bytes)) {
        std::cerr << "velocarta-rtf: cannot read " << argv[2] << "\n";
        return 1;
    }
    velocarta::rtf::Document document;
    try {
        document = velocarta::rtf::Read(bytes);
    } catch (const velocarta::rtf::NotRtfError& error) {
        std::cerr << "velocarta-rtf: " << argv[2] << ": " << error.what() << "\n";
        return 1;
    }
    if (mode == "--text") {
        std::cout << velocarta::rtf::PlainText(document);
        return 0;
    }
    if (mode == "--lines") {
        std::cout << velocarta::rtf::PlainText(document,
                                               velocarta::rtf::TableText::ParagraphPerLine);
        return 0;
    }
    if (mode == "--warnings") {
        for (const std::string& warning : document.warnings) {
            std::cout << warning << "\n";
        }
        return 0;
    }
    // Fonts and images need a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    QTextDocument textDocument;
    velocarta::BuildTextDocument(document, textDocument);
    std::cout << textDocument.toHtml().toStdString();
    return 0;
}
