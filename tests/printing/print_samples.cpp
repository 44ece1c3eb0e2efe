#include "print_samples.h"

#include <QTextDocument>
#include <cstdio>
#include <sstream>

#include "content/rtf/qt/rich_text.h"
#include "platform/qt/printer.h"
#include "support/sample_content.h"

namespace velocarta::testing {

namespace {
std::string Numbered(int word) {
    char text[16];
    std::snprintf(text, sizeof text, "w%05d", word);
    return text;
}
}  // namespace

std::string LongDocument(int paragraphs, int* wordCount) {
    std::ostringstream rtf;
    rtf << "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
           "Roman;}}\\f0\\fs22 ";
    int word = 0;
    auto words = [&](int n) {
        for (int i = 0; i < n; ++i) {
            rtf << Numbered(++word) << ' ';
        }
    };
    for (int p = 0; p < paragraphs; ++p) {
        if (p % 12 == 0) {
            rtf << "\\pard\\qc\\b\\fs36 ";
            words(2);
            rtf << "\\b0\\fs22\\par ";
        }
        rtf << "\\pard\\sa120\\fi360\\f" << (p % 2) << " ";
        words(7 + (p * 37) % 60);
        rtf << "\\par ";
        if (p % 25 == 10) {
            for (int row = 0; row < 6; ++row) {
                rtf << "\\trowd\\cellx3000\\cellx6000\\cellx9000 ";
                for (int cell = 0; cell < 3; ++cell) {
                    rtf << "\\pard\\intbl ";
                    words(3 + (row + cell) % 4);
                    rtf << "\\cell ";
                }
                rtf << "\\row ";
            }
        }
    }
    rtf << "}";
    *wordCount = word;
    return rtf.str();
}

std::vector<std::string> NumberedWords(int count, int first) {
    std::vector<std::string> words;
    for (int i = first; i < first + count; ++i) {
        words.push_back(Numbered(i));
    }
    return words;
}

void LoadRtf(const TempFolder& folder, const std::string& rtf, QTextDocument& document) {
    static int documents = 0;
    const std::string file =
        folder.writeFile("/texts/document" + std::to_string(++documents) + ".rtf", rtf);
    LoadRtfFile(QString::fromStdString(file), document);
}

std::array<CoverPicture, 4> WriteCoverPictures(const TempFolder& folder) {
    std::array<CoverPicture, 4> cover{{{"/graphics/logo.jpg", 1600, 1600, QSize(560, 160)},
                                       {"/graphics/66red.jpg", 2600, 4300, QSize(560, 290)},
                                       {"/graphics/bklettxt.jpg", 500, 8800, QSize(720, 200)},
                                       {"/graphics/kestrix3.jpg", 2800, 12000, QSize(440, 200)}}};
    const Qt::GlobalColor colors[] = {Qt::darkBlue, Qt::darkRed, Qt::darkGreen, Qt::darkYellow};
    for (std::size_t i = 0; i < cover.size(); ++i) {
        WriteJpeg(folder, cover[i].file, cover[i].pixels, colors[i]);
        cover[i].file = folder.path() + cover[i].file;
    }
    return cover;
}

void DrawCover(Printer& printer, const std::array<CoverPicture, 4>& cover) {
    for (const CoverPicture& picture : cover) {
        printer.drawPicture(picture.file, picture.x, picture.y);
    }
}

}  // namespace velocarta::testing
