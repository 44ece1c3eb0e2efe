#include "content/rtf/reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "content/rtf/code_page.h"
#include "content/rtf/field.h"
#include "content/rtf/keywords.h"
#include "content/rtf/list_table.h"
#include "content/rtf/table_builder.h"
#include "content/rtf/tokenizer.h"

namespace velocarta::rtf {

namespace {

// Deeper groups than this share the state of the deepest one: real documents nest a few
// dozen levels, and a state per level of 100,000 would be memory for nothing.
constexpr std::size_t kMaxDepth = 1000;
// Deeper table nesting than this is read as this level.
constexpr int kMaxTableLevel = 32;
constexpr std::size_t kMaxWarnings = 50;

enum class Destination : std::uint8_t {
    Body,
    FontTable,
    ColorTable,
    Info,
    InfoField,
    Picture,
    Field,  // inside \field, outside its instruction and result
    FieldInstruction,
    ListText,
    UnicodeAnsi,  // the 8-bit half of \upr, which the \ud half replaces
    ListTable,    // \listtable and \listoverridetable, and the groups inside them
    LevelText,
};

bool InListTable(Destination destination) {
    return destination == Destination::ListTable || destination == Destination::LevelText;
}

struct State {
    Destination destination = Destination::Body;
    // The destination \ud returns to inside \upr.
    Destination outerDestination = Destination::Body;
    CharFormat chars;
    ParagraphFormat paragraph;
    bool inTable = false;
    int tableLevel = 0;
    // Code page of the current font; 0 for the document's.
    int fontCodePage = 0;
    int unicodeSkip = 1;
    bool ignorable = false;  // \* began this group
    bool nestedTableProperties = false;
    std::string link;
};

struct FontEntry {
    int number = 0;
    int codePage = 0;
    bool nameDone = false;
};

struct FieldFrame {
    std::size_t depth = 0;
    Destination outer = Destination::Body;
    std::string instruction;
};

struct PictureFrame {
    std::size_t depth = 0;
    Destination outer = Destination::Body;
    Picture picture;
    int width = 0;
    int height = 0;
    int goalWidth = 0;
    int goalHeight = 0;
    int scaleX = 100;
    int scaleY = 100;
    int pendingNibble = -1;
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

class Reader {
  public:
    explicit Reader(std::string_view input) : tokens_(input) { stack_.emplace_back(); }

    Document read();

  private:
    State& state() { return stack_.back(); }
    int codePage() const {
        const int fontPage = stack_.back().fontCodePage;
        return fontPage != 0 ? fontPage : ansiCodePage_;
    }
    void warn(std::string message);

    void openGroup();
    void closeGroup();
    void controlWord(const Token& token);
    void controlSymbol(const Token& token);
    void apply(const Keyword& keyword, bool hasParameter, int parameter);
    void applyFlag(Kw id);
    void applyValue(Kw id, int value);
    void applyDestination(Kw id);
    void applyFontTableWord(Kw id, int value);
    void applyListTableWord(Kw id, int value);
    bool applyListDestination(Kw id);
    void closeListGroups();
    bool skipUnicodeFallback();

    void text(std::string_view bytes);
    void hexByte(unsigned char byte);
    void character(char32_t c);
    void appendUtf8(std::string_view utf8);
    void appendToBody(std::string_view utf8);
    void pictureData(std::string_view hex);
    void binary(int length);

    Run& runForAppend();
    void insertPicture(Picture picture);
    bool paragraphHasContent() const {
        return !paragraph_.content.empty() || !paragraph_.listText.empty();
    }
    int paragraphLevel() const;
    void endParagraph();
    void endParagraphAt(int level);
    void placeBlock(Block block, int level);
    TableBuilder& tableAt(int level);
    void closeTablesDeeperThan(int level);
    void endCell(int level);
    void endRow(int level);
    void finishFontTable();
    void finishPicture();
    void selectFont(int number);
    std::optional<Rgb> color(int index) const;

    Tokenizer tokens_;
    Document document_;
    std::vector<State> stack_;
    std::size_t overflowDepth_ = 0;
    bool done_ = false;

    int ansiCodePage_ = kDefaultCodePage;
    int defaultFontNumber_ = 0;
    std::vector<FontEntry> fontEntries_;  // parallel to document_.fonts
    std::unordered_map<int, int> fontIndex_;
    int currentFontEntry_ = -1;
    std::vector<std::optional<Rgb>> colors_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool colorGiven_ = false;
    std::string* infoTarget_ = nullptr;
    int footnotes_ = 0;

    int unicodeSkipPending_ = 0;
    char16_t highSurrogate_ = 0;

    Paragraph paragraph_;
    bool runOpen_ = false;
    bool formatChanged_ = true;
    bool pageBreakPending_ = false;
    bool sectionBreaksPage_ = true;
    TabKind pendingTabKind_ = TabKind::Left;

    std::vector<FieldFrame> fields_;
    std::optional<PictureFrame> picture_;
    std::vector<TableBuilder> tables_;  // index: nesting level - 1

    ListTable lists_;
    // Depths of the open \list, \listlevel and \listoverride groups, 0 when none is open.
    std::size_t listDepth_ = 0;
    std::size_t levelDepth_ = 0;
    int levelFont_ = -1;
    std::size_t overrideDepth_ = 0;
    int overrideList_ = 0;
    int overrideNumber_ = 0;
};

void Reader::warn(std::string message) {
    if (document_.warnings.size() < kMaxWarnings) {
        document_.warnings.push_back(std::move(message));
    }
}

Document Reader::read() {
    while (!done_) {
        const Token token = tokens_.next();
        switch (token.type) {
            case TokenType::End:
                done_ = true;
                if (stack_.size() > 1) {
                    warn("the document ends inside " + std::to_string(stack_.size() - 1) +
                         " open groups");
                }
                break;
            case TokenType::GroupStart:
                openGroup();
                break;
            case TokenType::GroupEnd:
                closeGroup();
                break;
            case TokenType::ControlWord:
                controlWord(token);
                break;
            case TokenType::ControlSymbol:
                controlSymbol(token);
                break;
            case TokenType::HexByte:
                if (!skipUnicodeFallback()) {
                    hexByte(token.byte);
                }
                break;
            case TokenType::Text:
                text(token.text);
                break;
        }
    }
    while (stack_.size() > 1) {
        closeGroup();
    }
    if (picture_) {
        finishPicture();
    }
    if (paragraphHasContent()) {
        endParagraph();
    }
    closeTablesDeeperThan(0);
    return std::move(document_);
}

void Reader::openGroup() {
    unicodeSkipPending_ = 0;
    if (stack_.size() >= kMaxDepth) {
        if (overflowDepth_++ == 0) {
            warn("groups nested deeper than " + std::to_string(kMaxDepth));
        }
        return;
    }
    State inner = stack_.back();
    inner.ignorable = false;
    stack_.push_back(std::move(inner));
}

void Reader::closeGroup() {
    unicodeSkipPending_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (stack_.size() <= 1) {
        warn("a closing brace without its opening one");
        return;
    }
    if (stack_.size() == 2 && paragraphHasContent()) {
        // The last paragraph needs no \par; it keeps the properties the document gave it.
        endParagraph();
    }
    const Destination closed = stack_.back().destination;
    stack_.pop_back();
    formatChanged_ = true;
    if (closed == Destination::FontTable && state().destination != Destination::FontTable) {
        finishFontTable();
    }
    if (picture_ && stack_.size() < picture_->depth) {
        finishPicture();
    }
    closeListGroups();
    while (!fields_.empty() && stack_.size() < fields_.back().depth) {
        fields_.pop_back();
    }
    if (stack_.size() == 1) {
        done_ = true;  // the document's group is closed; what follows is no part of it
    }
}

bool Reader::skipUnicodeFallback() {
    if (unicodeSkipPending_ > 0) {
        --unicodeSkipPending_;
        return true;
    }
    return false;
}

void Reader::controlWord(const Token& token) {
    const Keyword* keyword = FindKeyword(token.text);
    if (keyword != nullptr && keyword->id == Kw::Binary) {
        // \bin data counts as one character of a \u fallback and is skipped with it.
        const int length = token.hasParameter ? std::max(0, token.parameter) : 0;
        if (skipUnicodeFallback() || state().destination != Destination::Picture) {
            tokens_.takeBinary(static_cast<std::size_t>(length));
            if (state().destination == Destination::Body && length > 0) {
                warn("binary data outside a picture");
            }
        } else {
            binary(length);
        }
        return;
    }
    if (skipUnicodeFallback()) {
        return;
    }
    if (state().ignorable) {
        // \* marks the one control word that follows it: the group goes unless the word
        // is a destination the reader knows.
        state().ignorable = false;
        if (keyword == nullptr || keyword->kind != KeywordKind::Destination) {
            tokens_.skipGroup();
            closeGroup();
            return;
        }
    }
    if (keyword != nullptr) {
        apply(*keyword, token.hasParameter, token.parameter);
    }
}

void Reader::controlSymbol(const Token& token) {
    if (token.text == "*") {
        state().ignorable = true;
        return;
    }
    if (skipUnicodeFallback()) {
        return;
    }
    const Keyword* keyword = FindKeyword(token.text);
    if (keyword != nullptr) {
        apply(*keyword, false, 0);
    }
}

void Reader::apply(const Keyword& keyword, bool hasParameter, int parameter) {
    const Destination destination = state().destination;
    if (destination == Destination::FontTable) {
        applyFontTableWord(keyword.id, hasParameter ? parameter : keyword.defaultValue);
        if (keyword.kind != KeywordKind::Destination) {
            return;
        }
    }
    if (InListTable(destination) && keyword.kind != KeywordKind::Destination) {
        applyListTableWord(keyword.id, hasParameter ? parameter : keyword.defaultValue);
        return;
    }
    switch (keyword.kind) {
        case KeywordKind::Flag:
            applyFlag(keyword.id);
            break;
        case KeywordKind::Toggle:
            applyValue(keyword.id, hasParameter ? (parameter != 0 ? 1 : 0) : 1);
            break;
        case KeywordKind::Value:
            applyValue(keyword.id, hasParameter ? parameter : keyword.defaultValue);
            break;
        case KeywordKind::Destination:
            applyDestination(keyword.id);
            break;
        case KeywordKind::Symbol:
            if (keyword.id == Kw::LineBreak) {
                appendUtf8("\n");
            } else if (keyword.id == Kw::Text) {
                appendUtf8(keyword.text);
            }
            break;
    }
}

void Reader::applyFontTableWord(Kw id, int value) {
    if (id == Kw::FontNumber) {
        currentFontEntry_ = static_cast<int>(document_.fonts.size());
        document_.fonts.emplace_back();
        fontEntries_.push_back({value, 0, false});
        fontIndex_[value] = currentFontEntry_;
        return;
    }
    if (currentFontEntry_ < 0) {
        return;
    }
    FontEntry& entry = fontEntries_[static_cast<std::size_t>(currentFontEntry_)];
    Font& font = document_.fonts[static_cast<std::size_t>(currentFontEntry_)];
    switch (id) {
        case Kw::FamilyRoman:
            font.family = FontFamily::Roman;
            break;
        case Kw::FamilySwiss:
            font.family = FontFamily::Swiss;
            break;
        case Kw::FamilyModern:
            font.family = FontFamily::Modern;
            break;
        case Kw::FamilyScript:
            font.family = FontFamily::Script;
            break;
        case Kw::FamilyDecorative:
            font.family = FontFamily::Decorative;
            break;
        case Kw::FamilyTech:
            font.family = FontFamily::Tech;
            break;
        case Kw::Charset:
            entry.codePage = value == 1 ? 0 : CodePageOfCharset(value, 0);
            break;
        case Kw::FontCodePage:
            if (IsKnownCodePage(value)) {
                entry.codePage = value;
            }
            break;
        default:
            break;
    }
}

void Reader::applyFlag(Kw id) {
    State& s = state();
    ParagraphFormat& para = s.paragraph;
    switch (id) {
        case Kw::Ansi:
            ansiCodePage_ = 1252;
            break;
        case Kw::Mac:
            ansiCodePage_ = 10000;
            break;
        case Kw::Pc:
            ansiCodePage_ = 437;
            break;
        case Kw::Pca:
            ansiCodePage_ = 850;
            break;
        case Kw::Plain: {
            const int font = document_.defaultFont;
            s.chars = CharFormat{};
            s.chars.font = font;
            s.fontCodePage = font >= 0 ? fontEntries_[static_cast<std::size_t>(font)].codePage : 0;
            formatChanged_ = true;
            break;
        }
        case Kw::UnderlineNone:
            s.chars.underline = Underline::None;
            formatChanged_ = true;
            break;
        case Kw::Superscript:
        case Kw::Subscript:
        case Kw::NoSuperSub:
            s.chars.vertical = id == Kw::Superscript ? VerticalAlign::Superscript
                               : id == Kw::Subscript ? VerticalAlign::Subscript
                                                     : VerticalAlign::Baseline;
            formatChanged_ = true;
            break;
        case Kw::Pard:
            para = ParagraphFormat{};
            s.inTable = false;
            s.tableLevel = 0;
            break;
        case Kw::Par:
            if (s.destination == Destination::Body) {
                endParagraph();
            }
            break;
        case Kw::AlignLeft:
            para.alignment = Alignment::Left;
            break;
        case Kw::AlignCenter:
            para.alignment = Alignment::Center;
            break;
        case Kw::AlignRight:
            para.alignment = Alignment::Right;
            break;
        case Kw::AlignJustify:
            para.alignment = Alignment::Justify;
            break;
        case Kw::Page:
            if (s.destination == Destination::Body && paragraphLevel() == 0) {
                if (paragraphHasContent()) {
                    endParagraph();
                }
                pageBreakPending_ = true;
            }
            break;
        case Kw::Sect:
            if (s.destination == Destination::Body) {
                if (paragraphHasContent()) {
                    endParagraph();
                }
                pageBreakPending_ = pageBreakPending_ || sectionBreaksPage_;
            }
            break;
        case Kw::Sectd:
        case Kw::BreakPage:
            sectionBreaksPage_ = true;
            break;
        case Kw::BreakNone:
            sectionBreaksPage_ = false;
            break;
        case Kw::TabCenter:
        case Kw::TabRight:
        case Kw::TabDecimal:
            pendingTabKind_ = id == Kw::TabCenter  ? TabKind::Center
                              : id == Kw::TabRight ? TabKind::Right
                                                   : TabKind::Decimal;
            break;
        case Kw::RowDefaults: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            tableAt(level).definition.reset();
            break;
        }
        case Kw::Cell:
            endCell(1);
            break;
        case Kw::Row:
            endRow(1);
            break;
        case Kw::NestedCell:
            endCell(std::max(2, paragraphLevel()));
            break;
        case Kw::NestedRow:
            endRow(std::max(2, paragraphLevel()));
            break;
        case Kw::MergeFirst:
        case Kw::Merged:
        case Kw::VerticalMergeFirst:
        case Kw::VerticalMerged: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            CellDefinition& cell = tableAt(level).definition.next;
            cell.mergeFirst = cell.mergeFirst || id == Kw::MergeFirst;
            cell.merged = cell.merged || id == Kw::Merged;
            cell.verticalMergeFirst = cell.verticalMergeFirst || id == Kw::VerticalMergeFirst;
            cell.verticalMerged = cell.verticalMerged || id == Kw::VerticalMerged;
            break;
        }
        case Kw::PngBlip:
        case Kw::JpegBlip:
        case Kw::Metafile:
        case Kw::BitmapBlip:
            if (picture_) {
                picture_->picture.format = id == Kw::PngBlip    ? PictureFormat::Png
                                           : id == Kw::JpegBlip ? PictureFormat::Jpeg
                                           : id == Kw::Metafile ? PictureFormat::Metafile
                                                                : PictureFormat::Bitmap;
            }
            break;
        default:
            break;
    }
}

void Reader::applyValue(Kw id, int value) {
    State& s = state();
    CharFormat& chars = s.chars;
    ParagraphFormat& para = s.paragraph;
    switch (id) {
        case Kw::AnsiCodePage:
            if (IsKnownCodePage(value)) {
                ansiCodePage_ = value;
            } else {
                warn("code page " + std::to_string(value) + " is read as 1252");
            }
            break;
        case Kw::DefaultFont:
            defaultFontNumber_ = value;
            break;
        case Kw::UnicodeSkip:
            s.unicodeSkip = std::clamp(value, 0, 16);
            break;
        case Kw::Unicode: {
            unicodeSkipPending_ = s.unicodeSkip;
            if (value < -32768 || value > 65535) {
                return;  // no UTF-16 unit: nothing to show, but the fallback still goes
            }
            const auto unit = static_cast<char16_t>(value < 0 ? value + 65536 : value);
            if (unit >= 0xD800 && unit <= 0xDBFF) {
                highSurrogate_ = unit;
                return;
            }
            if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
                const char32_t c = 0x10000 + ((char32_t{highSurrogate_} - 0xD800) << 10) +
                                   (char32_t{unit} - 0xDC00);
                highSurrogate_ = 0;
                character(c);
                return;
            }
            highSurrogate_ = 0;
            character(MapSymbolPrivateUse(codePage(), unit));
            return;
        }
        case Kw::FontNumber:
            selectFont(value);
            break;
        case Kw::Red:
        case Kw::Green:
        case Kw::Blue:
            (id == Kw::Red ? red_ : id == Kw::Green ? green_ : blue_) = std::clamp(value, 0, 255);
            colorGiven_ = true;
            break;
        case Kw::Bold:
            chars.bold = value != 0;
            break;
        case Kw::Italic:
            chars.italic = value != 0;
            break;
        case Kw::Strike:
            chars.strike = value != 0;
            break;
        case Kw::Underline:
        case Kw::UnderlineDouble:
        case Kw::UnderlineDotted:
        case Kw::UnderlineDashed:
        case Kw::UnderlineWave:
        case Kw::UnderlineThick:
        case Kw::UnderlineWords:
            if (value == 0) {
                chars.underline = Underline::None;
            } else {
                chars.underline = id == Kw::UnderlineDouble   ? Underline::Double
                                  : id == Kw::UnderlineDotted ? Underline::Dotted
                                  : id == Kw::UnderlineDashed ? Underline::Dashed
                                  : id == Kw::UnderlineWave   ? Underline::Wave
                                  : id == Kw::UnderlineThick  ? Underline::Thick
                                  : id == Kw::UnderlineWords  ? Underline::Words
                                                              : Underline::Single;
            }
            break;
        case Kw::FontSize:
            chars.halfPoints = value > 0 ? std::min(value, 3276) : 24;
            break;
        case Kw::Foreground:
            chars.foreground = color(value);
            break;
        case Kw::Background:
        case Kw::Highlight:
            chars.background = color(value);
            break;
        case Kw::Raise:
        case Kw::Lower:
            // Raised or lowered text is what writers make of super- and subscripts.
            chars.vertical = value == 0                         ? VerticalAlign::Baseline
                             : (id == Kw::Raise) == (value > 0) ? VerticalAlign::Superscript
                                                                : VerticalAlign::Subscript;
            break;
        case Kw::Caps:
            chars.caps = value != 0;
            break;
        case Kw::SmallCaps:
            chars.smallCaps = value != 0;
            break;
        case Kw::Hidden:
            chars.hidden = value != 0;
            break;
        case Kw::LeftIndent:
            para.leftIndent = value;
            break;
        case Kw::RightIndent:
            para.rightIndent = value;
            break;
        case Kw::FirstIndent:
            para.firstLineIndent = value;
            break;
        case Kw::SpaceBefore:
            para.spaceBefore = value;
            break;
        case Kw::SpaceAfter:
            para.spaceAfter = value;
            break;
        case Kw::LineSpacing:
            para.lineSpacing = value;
            break;
        case Kw::LineMultiple:
            para.lineSpacingMultiple = value != 0;
            break;
        case Kw::PageBreakBefore:
            para.pageBreakBefore = value != 0;
            break;
        case Kw::InTable:
            s.inTable = value != 0;
            break;
        case Kw::TableLevel:
            s.tableLevel = std::clamp(value, 0, kMaxTableLevel);
            break;
        case Kw::ListOverride:
            para.listId = value;
            break;
        case Kw::ListLevel:
            para.listLevel = std::clamp(value, 0, 8);
            break;
        case Kw::TabStop:
        case Kw::TabBar:
            if (para.tabs.size() < 64) {
                para.tabs.push_back({value, id == Kw::TabBar ? TabKind::Left : pendingTabKind_});
            }
            pendingTabKind_ = TabKind::Left;
            break;
        case Kw::CellEdge: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            RowDefinition& definition = tableAt(level).definition;
            definition.next.rightEdge = value;
            if (definition.cells.size() < 4096) {
                definition.cells.push_back(definition.next);
            }
            definition.next = CellDefinition{};
            break;
        }
        case Kw::RowLeft: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            tableAt(level).definition.leftEdge = value;
            break;
        }
        case Kw::CellShading: {
            const int level = s.nestedTableProperties ? std::max(2, paragraphLevel()) : 1;
            tableAt(level).definition.next.background = color(value);
            break;
        }
        case Kw::PicWidth:
        case Kw::PicHeight:
        case Kw::PicGoalWidth:
        case Kw::PicGoalHeight:
        case Kw::PicScaleX:
        case Kw::PicScaleY:
            if (picture_) {
                const int clamped = std::clamp(value, 0, 1'000'000);
                (id == Kw::PicWidth        ? picture_->width
                 : id == Kw::PicHeight     ? picture_->height
                 : id == Kw::PicGoalWidth  ? picture_->goalWidth
                 : id == Kw::PicGoalHeight ? picture_->goalHeight
                 : id == Kw::PicScaleX     ? picture_->scaleX
                                           : picture_->scaleY) = clamped;
            }
            break;
        default:
            break;
    }
    formatChanged_ = true;
}

void Reader::applyDestination(Kw id) {
    State& s = state();
    const Destination outer = s.destination;
    if (outer == Destination::Picture || overflowDepth_ > 0) {
        // Nothing inside a picture is shown; pass over it whole.
        // Past the depth limit a destination could not end with its group, so it goes too.
        tokens_.skipGroup();
        closeGroup();
        return;
    }
    if (applyListDestination(id)) {
        return;
    }
    switch (id) {
        case Kw::FontTable:
            s.destination = Destination::FontTable;
            break;
        case Kw::ColorTable:
            s.destination = Destination::ColorTable;
            colorGiven_ = false;
            red_ = green_ = blue_ = 0;
            break;
        case Kw::Info:
            s.destination = Destination::Info;
            break;
        case Kw::Title:
        case Kw::Author:
        case Kw::Subject:
            if (outer == Destination::Info) {
                infoTarget_ = id == Kw::Title    ? &document_.info.title
                              : id == Kw::Author ? &document_.info.author
                                                 : &document_.info.subject;
                infoTarget_->clear();
                s.destination = Destination::InfoField;
            }
            break;
        case Kw::Pict:
            if (picture_) {
                tokens_.skipGroup();
                closeGroup();
                return;
            }
            picture_.emplace();
            picture_->depth = stack_.size();
            picture_->outer = outer;
            s.destination = Destination::Picture;
            break;
        case Kw::Field:
            fields_.push_back({stack_.size(), outer, {}});
            s.destination = Destination::Field;
            s.link.clear();
            break;
        case Kw::FieldInstruction:
            if (!fields_.empty() && outer == Destination::Field) {
                s.destination = Destination::FieldInstruction;
            } else {
                tokens_.skipGroup();
                closeGroup();
            }
            break;
        case Kw::FieldResult:
            if (!fields_.empty() && outer == Destination::Field) {
                s.destination = fields_.back().outer;
                s.link = HyperlinkTarget(fields_.back().instruction);
                formatChanged_ = true;
            }
            break;
        case Kw::ListText:
            if (outer == Destination::Body) {
                paragraph_.listText.clear();
                s.destination = Destination::ListText;
            } else {
                tokens_.skipGroup();
                closeGroup();
            }
            break;
        case Kw::NestTableProps:
            s.nestedTableProperties = true;
            break;
        case Kw::UnicodePair:
            s.outerDestination = outer;
            s.destination = Destination::UnicodeAnsi;
            break;
        case Kw::UnicodeAlternative:
            if (outer == Destination::UnicodeAnsi) {
                s.destination = s.outerDestination;
            }
            break;
        case Kw::Transparent:
            break;
        case Kw::Footnote:
            // The note's number stays in the text as its mark; the note itself has no
            // place in a rich-text box.
            if (outer == Destination::Body) {
                const VerticalAlign vertical = s.chars.vertical;
                s.chars.vertical = VerticalAlign::Superscript;
                formatChanged_ = true;
                appendUtf8(std::to_string(++footnotes_));
                s.chars.vertical = vertical;
            }
            tokens_.skipGroup();
            closeGroup();
            break;
        case Kw::StyleSheet:
        case Kw::NoNestTables:
        case Kw::Skip:
        default:
            tokens_.skipGroup();
            closeGroup();
            break;
    }
}

bool Reader::applyListDestination(Kw id) {
    State& s = state();
    const Destination outer = s.destination;
    switch (id) {
        case Kw::ListTableDestination:
        case Kw::ListOverrideTable:
            s.destination = Destination::ListTable;
            return true;
        case Kw::ListDefinition:
            if (outer == Destination::ListTable && listDepth_ == 0) {
                lists_.beginList();
                listDepth_ = stack_.size();
                return true;
            }
            break;
        case Kw::ListLevelDefinition:
            if (listDepth_ != 0 && levelDepth_ == 0) {
                lists_.beginLevel();
                levelDepth_ = stack_.size();
                levelFont_ = -1;
                return true;
            }
            break;
        case Kw::LevelText:
            if (levelDepth_ != 0) {
                s.destination = Destination::LevelText;
                return true;
            }
            break;
        case Kw::ListOverrideEntry:
            if (outer == Destination::ListTable && overrideDepth_ == 0) {
                overrideDepth_ = stack_.size();
                overrideList_ = overrideNumber_ = 0;
                return true;
            }
            break;
        default:
            if (!InListTable(outer)) {
                return false;
            }
            break;
    }
    // Anything else inside the list tables shows nothing.
    tokens_.skipGroup();
    closeGroup();
    return true;
}

void Reader::applyListTableWord(Kw id, int value) {
    switch (id) {
        case Kw::ListIdentifier:
            if (overrideDepth_ != 0) {
                overrideList_ = value;
            } else if (listDepth_ != 0 && levelDepth_ == 0) {
                lists_.setListId(value);
            }
            break;
        case Kw::ListOverride:
            if (overrideDepth_ != 0) {
                overrideNumber_ = value;
            }
            break;
        case Kw::LevelNumberFormat:
            if (levelDepth_ != 0) {
                lists_.level().numberFormat = value;
            }
            break;
        case Kw::LevelStartAt:
            if (levelDepth_ != 0) {
                lists_.level().startAt = value;
            }
            break;
        case Kw::FontNumber:
            if (levelDepth_ != 0) {
                levelFont_ = value;
            }
            break;
        case Kw::Unicode:
            applyValue(id, value);
            break;
        case Kw::UnicodeSkip:
            state().unicodeSkip = std::clamp(value, 0, 16);
            break;
        default:
            break;
    }
}

void Reader::closeListGroups() {
    if (levelDepth_ != 0 && stack_.size() < levelDepth_) {
        const auto font = fontIndex_.find(levelFont_);
        const int fontPage = font != fontIndex_.end()
                                 ? fontEntries_[static_cast<std::size_t>(font->second)].codePage
                                 : 0;
        lists_.endLevel(fontPage != 0 ? fontPage : ansiCodePage_);
        levelDepth_ = 0;
    }
    if (listDepth_ != 0 && stack_.size() < listDepth_) {
        lists_.endList();
        listDepth_ = 0;
    }
    if (overrideDepth_ != 0 && stack_.size() < overrideDepth_) {
        lists_.addOverride(overrideNumber_, overrideList_);
        overrideDepth_ = 0;
    }
}

void Reader::selectFont(int number) {
    State& s = state();
    const auto found = fontIndex_.find(number);
    if (found == fontIndex_.end()) {
        s.chars.font = -1;
        s.fontCodePage = 0;
        return;
    }
    s.chars.font = found->second;
    s.fontCodePage = fontEntries_[static_cast<std::size_t>(found->second)].codePage;
}

std::optional<Rgb> Reader::color(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colors_.size()) {
        return std::nullopt;
    }
    return colors_[static_cast<std::size_t>(index)];
}

void Reader::finishFontTable() {
    for (std::size_t i = 0; i < document_.fonts.size(); ++i) {
        Font& font = document_.fonts[i];
        font.name = Trimmed(font.name);
        // Dingbat fonts share the symbol charset but not the Symbol font's glyphs.
        if (fontEntries_[i].codePage == kSymbolCodePage &&
            (font.name.find("Wingdings") != std::string::npos ||
             font.name.find("Webdings") != std::string::npos)) {
            fontEntries_[i].codePage = kWingdingsCodePage;
        }
    }
    const auto found = fontIndex_.find(defaultFontNumber_);
    document_.defaultFont = found != fontIndex_.end() ? found->second : -1;
    currentFontEntry_ = -1;
    // Text that names no font is in the default font, code page included.
    for (State& open : stack_) {
        if (open.chars.font < 0) {
            open.chars.font = document_.defaultFont;
            open.fontCodePage =
                document_.defaultFont >= 0
                    ? fontEntries_[static_cast<std::size_t>(document_.defaultFont)].codePage
                    : 0;
        }
    }
}

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

void Reader::pictureData(std::string_view hex) {
    std::string& data = picture_->picture.data;
    for (const char c : hex) {
        const int value = HexValue(c);
        if (value < 0) {
            continue;
        }
        if (picture_->pendingNibble < 0) {
            picture_->pendingNibble = value;
        } else {
            data += static_cast<char>(picture_->pendingNibble * 16 + value);
            picture_->pendingNibble = -1;
        }
    }
}

void Reader::binary(int length) {
    const std::string_view data = tokens_.takeBinary(static_cast<std::size_t>(length));
    if (data.size() < static_cast<std::size_t>(length)) {
        warn("\\bin data runs past the end of the document");
    }
    picture_->picture.data += data;
}

void Reader::finishPicture() {
    PictureFrame frame = std::move(*picture_);
    picture_.reset();
    Picture& picture = frame.picture;
    // Goal sizes are twips; without them a bitmap's size is pixels and a metafile's is
    // hundredths of a millimetre.
    const bool metafile = picture.format == PictureFormat::Metafile;
    auto naturalSize = [metafile](int size) {
        return metafile ? static_cast<int>(static_cast<long long>(size) * 1440 / 2540) : size * 15;
    };
    const long long width = frame.goalWidth > 0 ? frame.goalWidth : naturalSize(frame.width);
    const long long height = frame.goalHeight > 0 ? frame.goalHeight : naturalSize(frame.height);
    picture.widthTwips = static_cast<int>(std::min(width * frame.scaleX / 100, 1'000'000LL));
    picture.heightTwips = static_cast<int>(std::min(height * frame.scaleY / 100, 1'000'000LL));
    if (picture.format != PictureFormat::Png && picture.format != PictureFormat::Jpeg) {
        picture.data.clear();
    }
    if (frame.outer == Destination::Body && state().destination == Destination::Body) {
        insertPicture(std::move(picture));
    }
}

void Reader::insertPicture(Picture picture) {
    paragraph_.content.emplace_back(std::move(picture));
    runOpen_ = false;
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

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const auto first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes.substr(first).starts_with("{\\rtf");
}

Document Read(std::string_view bytes) {
    if (bytes.empty()) {
        throw NotRtfError("The file is empty.");
    }
    if (!LooksLikeRtf(bytes)) {
        throw NotRtfError("The file is not a rich-text (RTF) document.");
    }
    return Reader(bytes).read();
}

}  // namespace velocarta::rtf
