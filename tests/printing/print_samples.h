#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "support/temp_folder.h"

class QTextDocument;

namespace velocarta {
class Printer;
}

namespace velocarta::testing {

// An RTF document of numbered words w00001 .. in paragraphs of many lengths, headings in
// large type and a table, so that paragraphs and table rows cross page breaks.
std::string LongDocument(int paragraphs, int* wordCount);
// The words of a long document, first to last ("w00001" ...), from `first` on.
std::vector<std::string> NumberedWords(int count, int first = 1);

// Builds the document from RTF, as the rich-text boxes do.
void LoadRtf(const TempFolder& folder, const std::string& rtf, QTextDocument& document);

// A cover picture: its file, where it goes (twips) and its pixels.
struct CoverPicture {
    std::string file;
    int x;
    int y;
    QSize pixels;
};

// The booklet's four cover pictures, as JPEGs of their sizes on the sample disc.
std::array<CoverPicture, 4> WriteCoverPictures(const TempFolder& folder);
// Draws them, in order.
void DrawCover(Printer& printer, const std::array<CoverPicture, 4>& cover);

}  // namespace velocarta::testing
