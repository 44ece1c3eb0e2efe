#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velocarta::sampledisc {

// A stretch of text with one set of character attributes.
struct TextRun {
    std::u32string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};
using RichLine = std::vector<TextRun>;

enum class BlockKind { Heading, Paragraph, Bullet, Numbered, Table, Picture, PageBreak };

struct Block {
    BlockKind kind = BlockKind::Paragraph;
    RichLine text;                            // Heading, Paragraph, Bullet, Numbered
    int number = 0;                           // Numbered: the number the writer gave
    std::vector<std::vector<RichLine>> rows;  // Table: rows of cells, the first the header
};

// A text as the writers deliver it: line 1 "Title: <title>", a blank line, then the body.
struct SourceDocument {
    std::u32string title;
    std::vector<Block> blocks;
};

// Reads the text format of the sample disc's texts (UTF-8):
//   "## " heading; blank-line separated paragraphs whose lines are joined with a blank;
//   "- " bullet items; "1. " numbered items; consecutive "|" lines a table (the first row
//   the header; a row of dashes only is a separator and skipped); "[picture]" and "[page]"
//   on their own lines; inline **bold**, *italic* and __underlined__.
// Throws std::runtime_error with the line number when the title line is missing or the
// text is not UTF-8.
SourceDocument ParseSourceText(std::string_view utf8);

// The inline markers of one line of text; a marker without its closing partner stays as
// typed ("5 * 3" keeps its asterisk).
RichLine ParseInline(std::u32string_view text);

// All characters of a line without attributes.
std::u32string PlainText(const RichLine& line);

}  // namespace velocarta::sampledisc
