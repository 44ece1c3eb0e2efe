// Text into runs, runs into paragraphs, paragraphs into table cells and the document.

#include <algorithm>
#include <utility>

#include "content/rtf/code_page.h"
#include "content/rtf/reader_internal.h"

namespace velocarta::rtf::internal {

namespace {

bool SameNumbering(const Numbering& a, const Numbering& b) {
    return a.format == b.format && a.start == b.start && a.beforeText == b.beforeText &&
           a.afterText == b.afterText;
}

}  // namespace

void Reader::text(std::string_view bytes) {
    state().ignorable = false;  // \* marks a control word only
    if (unicodeSkipPending_ > 0) {
        const auto skipped = std::min(bytes.size(), static_cast<std::size_t>(unicodeSkipPending_));
        unicodeSkipPending_ -= static_cast<int>(skipped);
        bytes.remove_prefix(skipped);
    }
    if (bytes.empty()) {
        return;
    }
    switch (state().destination) {
        case Destination::Picture:
            pictureData(bytes);
            return;
        case Destination::LevelText:
            for (const char c : bytes) {
                lists_.level().text += ListTable::kRawByte + static_cast<unsigned char>(c);
            }
            return;
        case Destination::NumberingText:
            for (const char c : bytes) {
                *numberingText_ += ListTable::kRawByte + static_cast<unsigned char>(c);
            }
            return;
        case Destination::Numbering:
        case Destination::ListTable:
        case Destination::Info:
        case Destination::Field:
        case Destination::UnicodeAnsi:
            return;
        case Destination::ColorTable:
            for (const char c : bytes) {
                if (c == ';') {
                    colors_.push_back(colorGiven_ ? std::optional<Rgb>(static_cast<Rgb>(
                                                        (red_ << 16) | (green_ << 8) | blue_))
                                                  : std::nullopt);
                    colorGiven_ = false;
                    red_ = green_ = blue_ = 0;
                }
            }
            return;
        default:
            break;
    }
    // Plain ASCII goes through in pieces; other bytes are characters of the code page.
    const int page = codePage();
    const bool asciiIsText = page != kSymbolCodePage && page != kWingdingsCodePage;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (asciiIsText && byte >= 0x20 && byte < 0x80) {
            continue;
        }
        if (i > start) {
            appendUtf8(bytes.substr(start, i - start));
        }
        start = i + 1;
        if (byte == '\t') {
            appendUtf8("\t");
        } else if (byte >= 0x20) {
            character(DecodeByte(page, byte));
        }
    }
    if (start < bytes.size()) {
        appendUtf8(bytes.substr(start));
    }
}

void Reader::hexByte(unsigned char byte) {
    state().ignorable = false;
    if (state().destination == Destination::LevelText) {
        lists_.level().text += ListTable::kRawByte + byte;
        return;
    }
    if (state().destination == Destination::NumberingText) {
        *numberingText_ += ListTable::kRawByte + byte;
        return;
    }
    if (state().destination == Destination::Picture) {
        return;
    }
    if (state().destination == Destination::ColorTable) {
        return;
    }
    character(DecodeByte(codePage(), byte));
}

void Reader::character(char32_t c) {
    if (state().destination == Destination::LevelText) {
        lists_.level().text += c;
        return;
    }
    if (state().destination == Destination::NumberingText) {
        *numberingText_ += c;
        return;
    }
    if (c < 0x20 && c != '\t') {
        return;  // control characters have no place in text
    }
    std::string utf8;
    AppendUtf8(utf8, c);
    appendUtf8(utf8);
}

void Reader::appendUtf8(std::string_view utf8) {
    switch (state().destination) {
        case Destination::Body:
            appendToBody(utf8);
            break;
        case Destination::ListText:
            paragraph_.listText += utf8;
            paragraph_.listTextFormat = state().chars;
            break;
        case Destination::FontTable:
            if (currentFontEntry_ >= 0) {
                FontEntry& entry = fontEntries_[static_cast<std::size_t>(currentFontEntry_)];
                Font& font = document_.fonts[static_cast<std::size_t>(currentFontEntry_)];
                for (const char c : utf8) {
                    if (c == ';') {
                        entry.nameDone = true;
                    } else if (!entry.nameDone) {
                        font.name += c;
                    }
                }
            }
            break;
        case Destination::InfoField:
            if (infoTarget_ != nullptr && infoTarget_->size() < 4096) {
                *infoTarget_ += utf8;
            }
            break;
        case Destination::FieldInstruction:
            if (!fields_.empty() && fields_.back().instruction.size() < 4096) {
                fields_.back().instruction += utf8;
            }
            break;
        default:
            break;
    }
}

void Reader::appendToBody(std::string_view utf8) {
    if (pageBreakPending_ && paragraphLevel() > 0) {
        pageBreakPending_ = false;  // a table row cannot begin a page of its own here
    }
    runForAppend().text += utf8;
}

Run& Reader::runForAppend() {
    if (!runOpen_ || formatChanged_) {
        CharFormat format = state().chars;
        format.link = state().link;
        if (!runOpen_ || std::get<Run>(paragraph_.content.back()).format != format) {
            paragraph_.content.emplace_back(Run{{}, std::move(format)});
        }
        runOpen_ = true;
        formatChanged_ = false;
    }
    return std::get<Run>(paragraph_.content.back());
}

void Reader::insertPicture(Picture picture) {
    paragraph_.content.emplace_back(std::move(picture));
    runOpen_ = false;
}

std::string Reader::numberingLabel(int numbering) {
    if (numbering < 0) {
        lastParagraphNumbered_ = false;
        return {};
    }
    const Numbering& definition = numberings_[static_cast<std::size_t>(numbering)];
    if (definition.kind == Numbering::Kind::Continue) {
        return {};
    }
    if (definition.kind == Numbering::Kind::Bullet) {
        lastParagraphNumbered_ = false;
        return definition.beforeText + definition.afterText;
    }
    // Numbering goes on from the paragraph before when that had the same numbering.
    const bool goesOn =
        lastParagraphNumbered_ && SameNumbering(definition, numberings_[lastNumbering_]);
    numberCounter_ =
        goesOn ? std::min(numberCounter_ + 1, ListTable::kMaxNumber) : definition.start;
    lastParagraphNumbered_ = true;
    lastNumbering_ = static_cast<std::size_t>(numbering);
    return definition.beforeText + ListTable::FormatNumber(numberCounter_, definition.format) +
           definition.afterText;
}

int Reader::paragraphLevel() const {
    const State& s = stack_.back();
    if (s.tableLevel > 0) {
        return s.tableLevel;
    }
    return s.inTable ? 1 : 0;
}

void Reader::endParagraph() {
    endParagraphAt(paragraphLevel());
}

void Reader::endParagraphAt(int level) {
    Paragraph finished = std::move(paragraph_);
    paragraph_ = Paragraph{};
    runOpen_ = false;
    formatChanged_ = true;
    finished.format = state().paragraph;
    while (!finished.listText.empty() &&
           (finished.listText.back() == '\t' || finished.listText.back() == ' ')) {
        finished.listText.pop_back();
    }
    if (finished.format.listId > 0 && lists_.knows(finished.format.listId)) {
        // The list's own numbering wins over the writer's \listtext, as in word processors.
        if (finished.listText.empty()) {
            finished.listTextFormat = state().chars;
        }
        finished.listText = lists_.nextLabel(finished.format.listId, finished.format.listLevel);
    }
    // Word 6 numbering counts every numbered paragraph, shown by \pntext or not; it
    // labels only the paragraphs the writer gave no label, such as an empty last item.
    const std::string numbered = numberingLabel(state().numbering);
    if (finished.listText.empty() && !numbered.empty()) {
        finished.listText = numbered;
        finished.listTextFormat = state().chars;
    }
    if (!finished.listText.empty() && finished.format.listId == 0) {
        finished.format.listId = -1;  // a list the writer numbered by hand
    }
    if (level == 0 && pageBreakPending_) {
        finished.format.pageBreakBefore = true;
        pageBreakPending_ = false;
    }
    placeBlock(Block{std::move(finished)}, level);
}

void Reader::placeBlock(Block block, int level) {
    closeTablesDeeperThan(level);
    std::vector<Block>& blocks = level == 0 ? document_.blocks : tableAt(level).blocks();
    blocks.push_back(std::move(block));
}

TableBuilder& Reader::tableAt(int level) {
    level = std::clamp(level, 1, kMaxTableLevel);
    while (tables_.size() < static_cast<std::size_t>(level)) {
        tables_.emplace_back();
    }
    return tables_[static_cast<std::size_t>(level - 1)];
}

void Reader::closeTablesDeeperThan(int level) {
    while (tables_.size() > static_cast<std::size_t>(std::max(level, 0))) {
        TableBuilder builder = std::move(tables_.back());
        tables_.pop_back();
        if (builder.empty()) {
            continue;
        }
        std::vector<Block>& outer = tables_.empty() ? document_.blocks : tables_.back().blocks();
        outer.emplace_back().content.emplace<Table>(builder.finish());
    }
}

void Reader::endCell(int level) {
    if (state().destination != Destination::Body) {
        return;
    }
    // The cell mark ends a paragraph as \par does, an empty one included.
    endParagraphAt(level);
    tableAt(level).endCell();
}

void Reader::endRow(int level) {
    if (state().destination != Destination::Body) {
        return;
    }
    if (paragraphHasContent()) {
        endParagraphAt(level);
    }
    closeTablesDeeperThan(level);
    tableAt(level).endRow();
}

}  // namespace velocarta::rtf::internal
