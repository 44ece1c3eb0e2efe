#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The document model the RTF reader builds: what a rich-text box shows and a page printer
// lays out, with the RTF syntax gone. Text is UTF-8; lengths are twips (1/1440 inch).
namespace velocarta::rtf {

// 0xRRGGBB.
using Rgb = std::uint32_t;

enum class FontFamily : std::uint8_t { Unknown, Roman, Swiss, Modern, Script, Decorative, Tech };

struct Font {
    std::string name;
    FontFamily family = FontFamily::Unknown;
};

enum class Underline : std::uint8_t { None, Single, Double, Dotted, Dashed, Wave, Thick, Words };
enum class VerticalAlign : std::uint8_t { Baseline, Superscript, Subscript };

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool caps = false;
    bool smallCaps = false;
    // Hidden text (\v) is kept in the model but neither shown nor part of the plain text.
    bool hidden = false;
    Underline underline = Underline::None;
    VerticalAlign vertical = VerticalAlign::Baseline;
    int halfPoints = 24;
    // Index into Document::fonts; -1 when the document names no font.
    int font = -1;
    std::optional<Rgb> foreground;
    std::optional<Rgb> background;
    // Target of the hyperlink the text belongs to; empty when it is no link.
    std::string link;

    bool operator==(const CharFormat&) const = default;
};

enum class PictureFormat : std::uint8_t { Png, Jpeg, Metafile, Bitmap, Unknown };

// A picture at its shown size. Metafiles and device-dependent bitmaps keep no data: they
// are shown as an empty frame of their size.
struct Picture {
    PictureFormat format = PictureFormat::Unknown;
    std::string data;
    int widthTwips = 0;
    int heightTwips = 0;
};

struct Run {
    std::string text;  // '\n' is a line break inside the paragraph, '\t' a tab
    CharFormat format;
};

using Inline = std::variant<Run, Picture>;

enum class Alignment : std::uint8_t { Left, Center, Right, Justify };
enum class TabKind : std::uint8_t { Left, Center, Right, Decimal };

struct TabStop {
    int position = 0;
    TabKind kind = TabKind::Left;
    bool operator==(const TabStop&) const = default;
};

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    // \sl: 0 is single spacing; positive is "at least", negative "exactly" that many twips;
    // with lineSpacingMultiple the value is a multiple of single spacing in 240ths.
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;
    bool pageBreakBefore = false;
    // Set for paragraphs in a list (\ls, \pntext, \listtext); 0 when in none.
    int listId = 0;
    int listLevel = 0;
    std::vector<TabStop> tabs;

    bool operator==(const ParagraphFormat&) const = default;
};

struct Paragraph {
    ParagraphFormat format;
    // The bullet or number of a list item as the writer put it ("1.", "\u2022"), without
    // the tab that follows it.
    std::string listText;
    CharFormat listTextFormat;
    std::vector<Inline> content;
};

struct Table;

struct Block;

struct Cell {
    std::vector<Block> blocks;
    // First column of the table's grid that the cell covers, and how many.
    int column = 0;
    int columnSpan = 1;
    int rowSpan = 1;
    // A cell merged into the one above or to its left: shows nothing of its own.
    bool covered = false;
    std::optional<Rgb> background;
};

struct Row {
    std::vector<Cell> cells;
};

struct Table {
    // Right edges of the grid's columns, ascending; the first column starts at leftEdge.
    std::vector<int> columnEdges;
    int leftEdge = 0;
    std::vector<Row> rows;
};

struct Block {
    std::variant<Paragraph, Table> content;
};

struct DocumentInfo {
    std::string title;
    std::string author;
    std::string subject;
};

struct Document {
    std::vector<Block> blocks;
    std::vector<Font> fonts;
    // The font of text that names none (\deff); -1 when there is none.
    int defaultFont = -1;
    DocumentInfo info;
    // What the reader passed over or repaired, for the curious; never shown to users.
    std::vector<std::string> warnings;
};

}  // namespace velocarta::rtf
