#include "content/rtf/plain_text.h"

namespace velocarta::rtf {

namespace {

void AppendParagraph(const Paragraph& paragraph, std::string& out) {
    if (!paragraph.listText.empty()) {
        out += paragraph.listText;
        out += '\t';
    }
    for (const Inline& item : paragraph.content) {
        if (const auto* run = std::get_if<Run>(&item); run != nullptr && !run->format.hidden) {
            out += run->text;
        }
    }
}

void AppendBlocks(const std::vector<Block>& blocks, TableText tables, std::string& out,
                  bool insideRow);

// The text of a cell on one line: its paragraphs joined by blanks.
void AppendCellOnOneLine(const Cell& cell, std::string& out) {
    std::string text;
    AppendBlocks(cell.blocks, TableText::RowPerLine, text, true);
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    out += text;
}

void AppendTable(const Table& table, TableText tables, std::string& out, bool insideRow) {
    for (const Row& row : table.rows) {
        if (tables == TableText::ParagraphPerLine) {
            // A merged-away cell is an empty line, as word processors write it.
            for (const Cell& cell : row.cells) {
                if (cell.covered) {
                    out += '\n';
                } else {
                    AppendBlocks(cell.blocks, tables, out, false);
                }
            }
            continue;
        }
        bool first = true;
        for (const Cell& cell : row.cells) {
            if (!first) {
                out += insideRow ? ' ' : '\t';
            }
            first = false;
            if (!cell.covered) {
                AppendCellOnOneLine(cell, out);
            }
        }
        out += insideRow ? ' ' : '\n';
    }
}

void AppendBlocks(const std::vector<Block>& blocks, TableText tables, std::string& out,
                  bool insideRow) {
    for (const Block& block : blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block.content)) {
            AppendParagraph(*paragraph, out);
            out += insideRow ? ' ' : '\n';
        } else {
            AppendTable(std::get<Table>(block.content), tables, out, insideRow);
        }
    }
}

}  // namespace

std::string PlainText(const Document& document, TableText tables) {
    std::string out;
    AppendBlocks(document.blocks, tables, out, false);
    return out;
}

}  // namespace velocarta::rtf
