#pragma once

// The reader's own parts, shared by the files that implement it; no one else includes this.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "content/rtf/code_page.h"
#include "content/rtf/document.h"
#include "content/rtf/keywords.h"
#include "content/rtf/list_table.h"
#include "content/rtf/table_builder.h"
#include "content/rtf/tokenizer.h"

namespace velocarta::rtf::internal {

// Deeper groups than this share the state of the deepest one: real documents nest a few
// dozen levels, and a state per level of 100,000 would be memory for nothing.
constexpr std::size_t kMaxDepth = 1000;
// Deeper table nesting than this is read as this level: documents nest tables two or three
// deep, and each level costs a table per paragraph that claims it.
constexpr int kMaxTableLevel = 8;
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
    Numbering,      // \pn
    NumberingText,  // \pntxtb, \pntxta
};

inline bool InListTable(Destination destination) {
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
    // The \pn numbering of the paragraph: an index into Reader::numberings_, -1 for none.
    int numbering = -1;
};

// Word 6 numbering (\pn): a bullet, or a number with text before and after it.
struct Numbering {
    enum class Kind : std::uint8_t { Bullet, Number, Continue };
    Kind kind = Kind::Number;
    int format = 0;  // as \levelnfc
    int start = 1;
    int font = -1;
    // As written: kRawByte + byte for bytes, decoded once the font is known.
    std::u32string before;
    std::u32string after;
    std::string beforeText;
    std::string afterText;
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

// Reads one document: a stack of group states over the tokens, with the tables, lists,
// fields and pictures under construction. reader.cpp holds the main loop.
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
    void applyNumberingWord(Kw id, int value);
    void finishNumbering();
    std::string numberingLabel(int numbering);
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
    std::size_t fontsFinished_ = 0;
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

    std::vector<Numbering> numberings_;
    Numbering numbering_;  // the \pn group being read
    std::size_t numberingDepth_ = 0;
    std::u32string* numberingText_ = nullptr;
    int numberCounter_ = 0;
    bool lastParagraphNumbered_ = false;
    std::size_t lastNumbering_ = 0;
};

}  // namespace velocarta::rtf::internal
