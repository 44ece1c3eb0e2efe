#include "pdf_reader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <iostream>
#include <map>

namespace velocarta::testing {

namespace {

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << " " << arguments.join(' ').toStdString() << ": "
        << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void ReadInfo(const QString& file, PdfDocument& pdf) {
    const QString info = Run(QStringLiteral("pdfinfo"), {file});
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)"));
    pdf.pages = pages.match(info).captured(1).toInt();
    const auto sheet = size.match(info);
    pdf.width = sheet.captured(1).toDouble();
    pdf.height = sheet.captured(2).toDouble();
}

void ReadWords(const QString& file, PdfDocument& pdf) {
    const QString html = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, "-"});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>"));
    int page = 0;
    for (const QString& part : html.split(QStringLiteral("<page "))) {
        if (page++ == 0) {
            continue;  // what comes before the first page
        }
        auto words = word.globalMatch(part);
        while (words.hasNext()) {
            const auto w = words.next();
            pdf.words.push_back({page - 1, w.captured(1).toDouble(), w.captured(2).toDouble(),
                                 w.captured(3).toDouble(), w.captured(4).toDouble(),
                                 w.captured(5)});
        }
    }
}

void ReadPictures(const QString& file, PdfDocument& pdf) {
    // pdftohtml places the pictures (and writes them out, into a folder of their own).
    const QTemporaryDir out;
    Run(QStringLiteral("pdftohtml"),
        {QStringLiteral("-xml"), QStringLiteral("-q"), QStringLiteral("-zoom"), QStringLiteral("1"),
         file, out.filePath(QStringLiteral("pages"))});
    QFile xmlFile(out.filePath(QStringLiteral("pages.xml")));
    EXPECT_TRUE(xmlFile.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(xmlFile.readAll());
    static const QRegularExpression image(
        QStringLiteral("<image top=\"(-?[0-9.]+)\" left=\"(-?[0-9.]+)\" width=\"([0-9.]+)\" "
                       "height=\"([0-9.]+)\""));
    int page = 0;
    for (const QString& part : xml.split(QStringLiteral("<page number="))) {
        if (page++ == 0) {
            continue;
        }
        auto images = image.globalMatch(part);
        while (images.hasNext()) {
            const auto i = images.next();
            pdf.pictures.push_back({page - 1, i.captured(2).toDouble(), i.captured(1).toDouble(),
                                    i.captured(3).toDouble(), i.captured(4).toDouble(), 0, 0, 0,
                                    0});
        }
    }
    // pdfimages lists the same pictures in the same order, with their pixels.
    const QStringList rows = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                 .split(u'\n', Qt::SkipEmptyParts)
                                 .mid(2);
    EXPECT_EQ(rows.size(), static_cast<qsizetype>(pdf.pictures.size()));
    for (qsizetype i = 0; i < rows.size() && i < static_cast<qsizetype>(pdf.pictures.size()); ++i) {
        const QStringList cells = rows[i].split(u' ', Qt::SkipEmptyParts);
        PdfPicture& picture = pdf.pictures[i];
        EXPECT_EQ(cells[0].toInt(), picture.page);
        picture.pixelsWide = cells[3].toInt();
        picture.pixelsHigh = cells[4].toInt();
        picture.ppiX = cells[12].toDouble();
        picture.ppiY = cells[13].toDouble();
    }
}

}  // namespace

std::vector<PdfWord> PdfDocument::wordsOn(int page) const {
    std::vector<PdfWord> found;
    std::copy_if(words.begin(), words.end(), std::back_inserter(found),
                 [page](const PdfWord& word) { return word.page == page; });
    return found;
}

std::vector<PdfPicture> PdfDocument::picturesOn(int page) const {
    std::vector<PdfPicture> found;
    std::copy_if(pictures.begin(), pictures.end(), std::back_inserter(found),
                 [page](const PdfPicture& picture) { return picture.page == page; });
    return found;
}

std::vector<QString> PdfDocument::linesOn(int page) const {
    // Words whose middles lie within a point of each other share a line.
    std::map<int, std::vector<PdfWord>> lines;
    for (const PdfWord& word : wordsOn(page)) {
        lines[static_cast<int>((word.yMin + word.yMax) / 2)].push_back(word);
    }
    std::vector<QString> text;
    for (auto& [y, words] : lines) {
        std::sort(words.begin(), words.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
        QStringList parts;
        for (const PdfWord& word : words) {
            parts << word.text;
        }
        text.push_back(parts.join(u' '));
    }
    return text;
}

PdfDocument ReadPdf(const QString& file) {
    PdfDocument pdf;
    ReadInfo(file, pdf);
    ReadWords(file, pdf);
    ReadPictures(file, pdf);
    return pdf;
}

void KeepPrint(const QString& file, const QString& name, bool always) {
    if (!always && !qEnvironmentVariableIsSet("VELOCARTA_KEEP_PRINTS")) {
        return;
    }
    const QString kept = QDir(qEnvironmentVariable("VELOCARTA_BINARY_DIR")).filePath(name);
    QFile::remove(kept);
    QFile::copy(file, kept);
    std::cout << "the printed pages are kept in " << kept.toStdString() << "\n";
}

}  // namespace velocarta::testing
