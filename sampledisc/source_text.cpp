#include "sampledisc/source_text.h"

#include <stdexcept>

#include "sampledisc/text_encoding.h"

namespace velocarta::sampledisc {

namespace {

bool IsBlank(std::u32string_view line) {
    for (const char32_t c : line) {
        if (c != U' ' && c != U'\t') {
            return false;
        }
    }
    return true;
}

std::u32string_view Trim(std::u32string_view text) {
    while (!text.empty() && (text.front() == U' ' || text.front() == U'\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == U' ' || text.back() == U'\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool StartsWith(std::u32string_view text, std::u32string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// "12. text" -> 12 and the position of the text; -1 when the line is no numbered item.
int NumberedItem(std::u32string_view line, std::size_t& textStart) {
    std::size_t digits = 0;
    while (digits < line.size() && digits < 3 && line[digits] >= U'0' && line[digits] <= U'9') {
        ++digits;
    }
    if (digits == 0 || line.size() < digits + 2 || line[digits] != U'.' ||
        line[digits + 1] != U' ') {
        return -1;
    }
    int number = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        number = number * 10 + static_cast<int>(line[i] - U'0');
    }
    textStart = digits + 2;
    return number;
}

std::vector<std::u32string_view> SplitCells(std::u32string_view line) {
    line = Trim(line);
    if (StartsWith(line, U"|")) {
        line.remove_prefix(1);
    }
    if (!line.empty() && line.back() == U'|') {
        line.remove_suffix(1);
    }
    std::vector<std::u32string_view> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = line.find(U'|', start);
        cells.push_back(
            Trim(line.substr(start, bar == std::u32string_view::npos ? line.npos : bar - start)));
        if (bar == std::u32string_view::npos) {
            break;
        }
        start = bar + 1;
    }
    return cells;
}

bool IsSeparatorRow(const std::vector<std::u32string_view>& cells) {
    for (const auto cell : cells) {
        if (cell.empty()) {
            return false;
        }
        for (const char32_t c : cell) {
            if (c != U'-' && c != U':') {
                return false;
            }
        }
    }
    return true;
}

void AppendText(RichLine& line, std::u32string_view text, bool bold, bool italic, bool underline) {
    if (text.empty()) {
        return;
    }
    if (!line.empty() && line.back().bold == bold && line.back().italic == italic &&
        line.back().underline == underline) {
        line.back().text += text;
        return;
    }
    line.push_back(TextRun{std::u32string(text), bold, italic, underline});
}

}  // namespace

RichLine ParseInline(std::u32string_view text) {
    RichLine line;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::u32string pending;
    auto flush = [&] {
        AppendText(line, pending, bold, italic, underline);
        pending.clear();
    };
    // A marker opens only when its partner follows later in the line.
    auto closes = [&](std::size_t from, std::u32string_view marker) {
        std::size_t at = text.find(marker, from);
        while (at != std::u32string_view::npos && marker == U"*" && at + 1 < text.size() &&
               text[at + 1] == U'*') {
            at = text.find(marker, at + 2);
        }
        return at != std::u32string_view::npos;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const std::u32string_view rest = text.substr(i);
        if (StartsWith(rest, U"**") && (bold || closes(i + 2, U"**"))) {
            flush();
            bold = !bold;
            i += 2;
        } else if (StartsWith(rest, U"__") && (underline || closes(i + 2, U"__"))) {
            flush();
            underline = !underline;
            i += 2;
        } else if (rest.front() == U'*' && !StartsWith(rest, U"**") &&
                   (italic || closes(i + 1, U"*"))) {
            flush();
            italic = !italic;
            i += 1;
        } else {
            pending.push_back(rest.front());
            i += 1;
        }
    }
    flush();
    return line;
}

std::u32string PlainText(const RichLine& line) {
    std::u32string text;
    for (const TextRun& run : line) {
        text += run.text;
    }
    return text;
}

SourceDocument ParseSourceText(std::string_view utf8) {
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") {
        utf8.remove_prefix(3);
    }
    const std::u32string all = DecodeUtf8(utf8);
    std::vector<std::u32string_view> lines;
    {
        std::u32string_view rest(all);
        while (!rest.empty()) {
            const std::size_t end = rest.find(U'\n');
            std::u32string_view line = rest.substr(0, end);
            if (!line.empty() && line.back() == U'\r') {
                line.remove_suffix(1);
            }
            lines.push_back(line);
            if (end == std::u32string_view::npos) {
                break;
            }
            rest.remove_prefix(end + 1);
        }
    }

    SourceDocument doc;
    constexpr std::u32string_view kTitle = U"Title:";
    if (lines.empty() || !StartsWith(lines[0], kTitle) ||
        Trim(lines[0].substr(kTitle.size())).empty()) {
        throw std::runtime_error("line 1 must read \"Title: <document title>\"");
    }
    doc.title = Trim(lines[0].substr(kTitle.size()));

    std::u32string paragraph;
    // The list item that a following plain line continues, as an index into the blocks.
    std::size_t openItem = 0;
    bool itemOpen = false;
    std::u32string openItemText;
    bool previousWasTableRow = false;
    auto closeItem = [&] {
        if (itemOpen) {
            doc.blocks[openItem].text = ParseInline(openItemText);
            itemOpen = false;
        }
    };
    auto openListItem = [&](BlockKind kind, int number, std::u32string_view text) {
        doc.blocks.push_back(Block{kind, {}, number, {}});
        openItem = doc.blocks.size() - 1;
        itemOpen = true;
        openItemText = Trim(text);
    };
    auto closeParagraph = [&] {
        if (!paragraph.empty()) {
            doc.blocks.push_back(Block{BlockKind::Paragraph, ParseInline(paragraph), 0, {}});
            paragraph.clear();
        }
    };
    auto closeAll = [&] {
        closeItem();
        closeParagraph();
    };

    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::u32string_view line = lines[n];
        const std::u32string_view trimmed = Trim(line);
        std::size_t itemStart = 0;
        const bool tableRow = StartsWith(trimmed, U"|");
        if (IsBlank(line)) {
            closeAll();
        } else if (StartsWith(line, U"## ")) {
            closeAll();
            doc.blocks.push_back(
                Block{BlockKind::Heading, ParseInline(Trim(line.substr(3))), 0, {}});
        } else if (trimmed == U"[picture]") {
            closeAll();
            doc.blocks.push_back(Block{BlockKind::Picture, {}, 0, {}});
        } else if (trimmed == U"[page]") {
            closeAll();
            doc.blocks.push_back(Block{BlockKind::PageBreak, {}, 0, {}});
        } else if (StartsWith(line, U"- ")) {
            closeAll();
            openListItem(BlockKind::Bullet, 0, line.substr(2));
        } else if (const int number = NumberedItem(line, itemStart); number >= 0) {
            closeAll();
            openListItem(BlockKind::Numbered, number, line.substr(itemStart));
        } else if (tableRow) {
            closeAll();
            if (!previousWasTableRow) {
                doc.blocks.push_back(Block{BlockKind::Table, {}, 0, {}});
            }
            const auto cells = SplitCells(line);
            if (!IsSeparatorRow(cells)) {
                std::vector<RichLine> row;
                for (const auto cell : cells) {
                    row.push_back(ParseInline(cell));
                }
                doc.blocks.back().rows.push_back(std::move(row));
            }
        } else if (itemOpen) {
            openItemText += U' ';
            openItemText += trimmed;
        } else {
            if (!paragraph.empty()) {
                paragraph += U' ';
            }
            paragraph += trimmed;
        }
        previousWasTableRow = tableRow;
    }
    closeAll();
    return doc;
}

}  // namespace velocarta::sampledisc
