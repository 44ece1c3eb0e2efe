#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <vector>

#include "content/rtf/qt/rich_text.h"

namespace velocarta {

namespace {

// The layout's units are pixels of 15 twips, as everywhere in the program.
constexpr double kTwipsPerPixel = 15.0;
// A picture frame image is never made larger than this many pixels a side; the document
// still lays it out at its full size.
constexpr int kMaxFramePixels = 2048;
// Bigger tables than this are shown as paragraphs: QTextTable would take seconds and
// hundreds of megabytes for what no document holds.
constexpr long long kMaxTableCells = 50'000;
constexpr int kMaxTableColumns = 256;

double Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

QStringList GenericFamilies(rtf::FontFamily family) {
    switch (family) {
        case rtf::FontFamily::Roman:
            return {QStringLiteral("Serif"), QStringLiteral("DejaVu Serif")};
        case rtf::FontFamily::Modern:
            return {QStringLiteral("Monospace"), QStringLiteral("DejaVu Sans Mono")};
        default:
            return {QStringLiteral("Sans Serif"), QStringLiteral("DejaVu Sans")};
    }
}

QFont::StyleHint StyleHint(rtf::FontFamily family) {
    switch (family) {
        case rtf::FontFamily::Roman:
            return QFont::Serif;
        case rtf::FontFamily::Modern:
            return QFont::TypeWriter;
        case rtf::FontFamily::Script:
            return QFont::Cursive;
        case rtf::FontFamily::Decorative:
            return QFont::Decorative;
        default:
            return QFont::SansSerif;
    }
}

QTextCharFormat::UnderlineStyle UnderlineStyle(rtf::Underline underline) {
    switch (underline) {
        case rtf::Underline::None:
            return QTextCharFormat::NoUnderline;
        case rtf::Underline::Dotted:
            return QTextCharFormat::DotLine;
        case rtf::Underline::Dashed:
            return QTextCharFormat::DashUnderline;
        case rtf::Underline::Wave:
            return QTextCharFormat::WaveUnderline;
        default:
            return QTextCharFormat::SingleUnderline;
    }
}

Qt::Alignment BlockAlignment(rtf::Alignment alignment) {
    switch (alignment) {
        case rtf::Alignment::Center:
            return Qt::AlignHCenter;
        case rtf::Alignment::Right:
            return Qt::AlignRight;
        case rtf::Alignment::Justify:
            return Qt::AlignJustify;
        default:
            return Qt::AlignLeft;
    }
}

QTextOption::TabType TabType(rtf::TabKind kind) {
    switch (kind) {
        case rtf::TabKind::Center:
            return QTextOption::CenterTab;
        case rtf::TabKind::Right:
            return QTextOption::RightTab;
        case rtf::TabKind::Decimal:
            return QTextOption::DelimiterTab;
        default:
            return QTextOption::LeftTab;
    }
}

QTextBlockFormat BlockFormat(const rtf::ParagraphFormat& paragraph) {
    QTextBlockFormat format;
    format.setAlignment(BlockAlignment(paragraph.alignment));
    format.setLeftMargin(Pixels(std::max(0, paragraph.leftIndent)));
    format.setRightMargin(Pixels(std::max(0, paragraph.rightIndent)));
    format.setTextIndent(Pixels(paragraph.firstLineIndent));
    format.setTopMargin(Pixels(std::max(0, paragraph.spaceBefore)));
    format.setBottomMargin(Pixels(std::max(0, paragraph.spaceAfter)));
    if (paragraph.lineSpacing != 0) {
        if (paragraph.lineSpacingMultiple && paragraph.lineSpacing > 0) {
            format.setLineHeight(paragraph.lineSpacing * 100.0 / 240.0,
                                 QTextBlockFormat::ProportionalHeight);
        } else if (paragraph.lineSpacing > 0) {
            format.setLineHeight(Pixels(paragraph.lineSpacing), QTextBlockFormat::MinimumHeight);
        } else {
            format.setLineHeight(Pixels(-paragraph.lineSpacing), QTextBlockFormat::FixedHeight);
        }
    }
    if (paragraph.pageBreakBefore) {
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    }
    // RTF measures tab stops from the page's left margin, Qt from where the first line
    // begins. A hanging indent has a tab stop of its own where the other lines begin: the
    // one after a list item's bullet.
    const int lineStart = std::max(0, paragraph.leftIndent) + paragraph.firstLineIndent;
    QList<QTextOption::Tab> tabs;
    for (const rtf::TabStop& tab : paragraph.tabs) {
        if (tab.position > lineStart) {
            tabs.append(
                QTextOption::Tab(Pixels(tab.position - lineStart), TabType(tab.kind), QChar('.')));
        }
    }
    if (paragraph.firstLineIndent < 0) {
        tabs.append(QTextOption::Tab(Pixels(-paragraph.firstLineIndent), QTextOption::LeftTab));
    }
    std::sort(tabs.begin(), tabs.end(), [](const QTextOption::Tab& a, const QTextOption::Tab& b) {
        return a.position < b.position;
    });
    if (!tabs.isEmpty()) {
        format.setTabPositions(tabs);
    }
    return format;
}

// The text of a run as QTextDocument wants it: line breaks inside a paragraph are line
// separators.
QString RunText(const std::string& text) {
    QString converted = QString::fromStdString(text);
    converted.replace(QChar('\n'), QChar::LineSeparator);
    return converted;
}

// The format of a paragraph's first text, which an empty paragraph keeps for its height.
const rtf::CharFormat& FirstFormat(const rtf::Paragraph& paragraph) {
    for (const rtf::Inline& item : paragraph.content) {
        if (const auto* run = std::get_if<rtf::Run>(&item)) {
            return run->format;
        }
    }
    return paragraph.listTextFormat;
}

class Builder {
  public:
    Builder(const rtf::Document& model, QTextDocument& document)
        : model_(model), document_(document) {}

    void build();

  private:
    void blocks(const std::vector<rtf::Block>& blocks, QTextCursor& cursor);
    void paragraph(const rtf::Paragraph& paragraph, QTextCursor& cursor);
    void table(const rtf::Table& table, QTextCursor& cursor);
    void tableAsParagraphs(const rtf::Table& table, QTextCursor& cursor);
    void picture(const rtf::Picture& picture, QTextCursor& cursor);
    QTextCharFormat charFormat(const rtf::CharFormat& format);
    const QStringList& families(int font);

    const rtf::Document& model_;
    QTextDocument& document_;
    std::vector<QStringList> families_;
    int pictures_ = 0;
    // Whether the cursor stands in an empty block that the next paragraph should fill: the
    // first block of the document, of a cell, and the one after a table.
    bool blockIsFresh_ = true;
    QTextCharFormat lastFormat_;
    rtf::CharFormat lastModelFormat_;
    bool haveLastFormat_ = false;
};

void Builder::build() {
    document_.clear();
    QFont base(QStringList{QStringLiteral("Sans Serif"), QStringLiteral("DejaVu Sans")}, 10);
    base.setStyleHint(QFont::SansSerif);
    if (model_.defaultFont >= 0) {
        base.setFamilies(families(model_.defaultFont));
    }
    document_.setDefaultFont(base);
    if (!model_.info.title.empty()) {
        document_.setMetaInformation(QTextDocument::DocumentTitle,
                                     QString::fromStdString(model_.info.title));
    }
    QTextCursor cursor(&document_);
    cursor.beginEditBlock();
    blockIsFresh_ = true;
    blocks(model_.blocks, cursor);
    cursor.endEditBlock();
}

void Builder::blocks(const std::vector<rtf::Block>& blocks, QTextCursor& cursor) {
    for (const rtf::Block& block : blocks) {
        if (const auto* para = std::get_if<rtf::Paragraph>(&block.content)) {
            paragraph(*para, cursor);
        } else {
            table(std::get<rtf::Table>(block.content), cursor);
        }
    }
}

void Builder::paragraph(const rtf::Paragraph& paragraph, QTextCursor& cursor) {
    const QTextBlockFormat blockFormat = BlockFormat(paragraph.format);
    const QTextCharFormat blockCharFormat = charFormat(FirstFormat(paragraph));
    if (blockIsFresh_) {
        cursor.setBlockFormat(blockFormat);
        // Merged, not set: the first block of a table cell carries the cell's format, spans
        // included.
        cursor.mergeBlockCharFormat(blockCharFormat);
        blockIsFresh_ = false;
    } else {
        cursor.insertBlock(blockFormat, blockCharFormat);
    }
    if (!paragraph.listText.empty()) {
        cursor.insertText(QString::fromStdString(paragraph.listText) + QChar('\t'),
                          charFormat(paragraph.listTextFormat));
    }
    for (const rtf::Inline& item : paragraph.content) {
        if (const auto* run = std::get_if<rtf::Run>(&item)) {
            if (!run->format.hidden && !run->text.empty()) {
                cursor.insertText(RunText(run->text), charFormat(run->format));
            }
        } else {
            picture(std::get<rtf::Picture>(item), cursor);
        }
    }
}

void Builder::table(const rtf::Table& table, QTextCursor& cursor) {
    const auto rows = static_cast<int>(table.rows.size());
    const auto columns = static_cast<int>(table.columnEdges.size());
    if (rows == 0 || columns == 0) {
        return;
    }
    if (columns > kMaxTableColumns || static_cast<long long>(rows) * columns > kMaxTableCells) {
        tableAsParagraphs(table, cursor);
        return;
    }
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderCollapse(true);
    format.setBorderBrush(QColor(0x80, 0x80, 0x80));
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setAlignment(Qt::AlignLeft);
    format.setLeftMargin(Pixels(std::max(0, table.leftEdge)));
    QList<QTextLength> widths;
    int left = table.leftEdge;
    for (const int edge : table.columnEdges) {
        widths.append(QTextLength(QTextLength::FixedLength, Pixels(std::max(1, edge - left))));
        left = edge;
    }
    format.setColumnWidthConstraints(widths);

    // A table cannot begin a fresh block: the block stays empty before it.
    blockIsFresh_ = false;
    QTextTable* qtTable = cursor.insertTable(rows, columns, format);
    for (int r = 0; r < rows; ++r) {
        for (const rtf::Cell& cell : table.rows[static_cast<std::size_t>(r)].cells) {
            if (cell.covered || cell.column >= columns) {
                continue;
            }
            const int rowSpan = std::min(cell.rowSpan, rows - r);
            const int columnSpan = std::min(cell.columnSpan, columns - cell.column);
            if (rowSpan > 1 || columnSpan > 1) {
                qtTable->mergeCells(r, cell.column, rowSpan, columnSpan);
            }
            QTextTableCell qtCell = qtTable->cellAt(r, cell.column);
            if (cell.background) {
                QTextTableCellFormat cellFormat = qtCell.format().toTableCellFormat();
                cellFormat.setBackground(QColor::fromRgb(*cell.background));
                qtCell.setFormat(cellFormat);
            }
            QTextCursor cellCursor = qtCell.firstCursorPosition();
            blockIsFresh_ = true;
            blocks(cell.blocks, cellCursor);
        }
    }
    cursor = qtTable->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    blockIsFresh_ = true;
}

void Builder::tableAsParagraphs(const rtf::Table& table, QTextCursor& cursor) {
    for (const rtf::Row& row : table.rows) {
        for (const rtf::Cell& cell : row.cells) {
            blocks(cell.blocks, cursor);
        }
    }
}

void Builder::picture(const rtf::Picture& picture, QTextCursor& cursor) {
    const double width = Pixels(picture.widthTwips);
    const double height = Pixels(picture.heightTwips);
    QImage image;
    if (!picture.data.empty()) {
        image.loadFromData(reinterpret_cast<const uchar*>(picture.data.data()),
                           static_cast<int>(std::min<std::size_t>(picture.data.size(), INT_MAX)));
    }
    if (image.isNull()) {
        // Metafiles and pictures Qt cannot read: an empty frame of their size.
        const int frameWidth = std::clamp(static_cast<int>(width), 1, kMaxFramePixels);
        const int frameHeight = std::clamp(static_cast<int>(height), 1, kMaxFramePixels);
        image = QImage(frameWidth, frameHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        painter.drawRect(0, 0, frameWidth - 1, frameHeight - 1);
    }
    const QString name = QStringLiteral("rtf-picture:%1").arg(++pictures_);
    document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width > 0 ? width : image.width());
    format.setHeight(height > 0 ? height : image.height());
    cursor.insertImage(format);
}

const QStringList& Builder::families(int font) {
    if (families_.empty()) {
        families_.resize(model_.fonts.size());
    }
    QStringList& list = families_[static_cast<std::size_t>(font)];
    if (list.isEmpty()) {
        const rtf::Font& modelFont = model_.fonts[static_cast<std::size_t>(font)];
        const QString name = QString::fromStdString(modelFont.name);
        if (!name.isEmpty() && QFontDatabase::hasFamily(name)) {
            list.append(name);
        }
        list.append(GenericFamilies(modelFont.family));
    }
    return list;
}

QTextCharFormat Builder::charFormat(const rtf::CharFormat& model) {
    if (haveLastFormat_ && model == lastModelFormat_) {
        return lastFormat_;
    }
    QTextCharFormat format;
    if (model.font >= 0 && static_cast<std::size_t>(model.font) < model_.fonts.size()) {
        format.setFontFamilies(families(model.font));
        format.setFontStyleHint(
            StyleHint(model_.fonts[static_cast<std::size_t>(model.font)].family));
    }
    // Below 2 points Qt's sub- and superscripts would come to a size of 0.
    format.setFontPointSize(std::max(model.halfPoints, 4) / 2.0);
    format.setFontWeight(model.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(model.italic);
    format.setFontStrikeOut(model.strike);
    format.setUnderlineStyle(UnderlineStyle(model.underline));
    if (model.caps) {
        format.setFontCapitalization(QFont::AllUppercase);
    } else if (model.smallCaps) {
        format.setFontCapitalization(QFont::SmallCaps);
    }
    if (model.vertical == rtf::VerticalAlign::Superscript) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (model.vertical == rtf::VerticalAlign::Subscript) {
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    }
    if (model.foreground) {
        format.setForeground(QColor::fromRgb(*model.foreground));
    }
    if (model.background) {
        format.setBackground(QColor::fromRgb(*model.background));
    }
    if (!model.link.empty()) {
        format.setAnchor(true);
        format.setAnchorHref(QString::fromStdString(model.link));
        if (!model.foreground) {
            format.setForeground(QColor(0x00, 0x00, 0xEE));
        }
        if (model.underline == rtf::Underline::None) {
            format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        }
    }
    lastModelFormat_ = model;
    lastFormat_ = format;
    haveLastFormat_ = true;
    return format;
}

}  // namespace

void BuildTextDocument(const rtf::Document& model, QTextDocument& document) {
    Builder(model, document).build();
}

}  // namespace velocarta
