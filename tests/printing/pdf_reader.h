#pragma once

#include <QString>
#include <vector>

namespace velocarta::testing {

// A printed PDF as poppler's tools read it back: positions in points from the sheet's
// top-left corner (20 twips to the point), pages counted from 1.
struct PdfWord {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
};

struct PdfPicture {
    int page;
    double left, top, width, height;  // whole points (pdftohtml rounds them)
    int pixelsWide, pixelsHigh;       // the picture's own pixels
    double ppiX, ppiY;                // pixels to the inch on the page (96 = 15 twips a pixel)
};

struct PdfDocument {
    int pages = 0;
    double width = 0;  // of the first page
    double height = 0;
    std::vector<PdfWord> words;
    std::vector<PdfPicture> pictures;

    std::vector<PdfWord> wordsOn(int page) const;
    std::vector<PdfPicture> picturesOn(int page) const;
    // The words of a page as lines of text, top to bottom.
    std::vector<QString> linesOn(int page) const;
};

// Reads the file with pdfinfo, pdftotext -bbox, pdftohtml -xml and pdfimages -list.
PdfDocument ReadPdf(const QString& file);

// Keeps a copy of the file in the build folder when VELOCARTA_KEEP_PRINTS is set (or when
// `always`), and says where: printed pages are looked at, not only measured.
void KeepPrint(const QString& file, const QString& name, bool always = false);

}  // namespace velocarta::testing
