#include "sampledisc/rtf_writer.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string_view>

#include "sampledisc/text_encoding.h"

namespace velocarta::sampledisc {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::size_t kWrapColumn = 100;
constexpr int kTextWidthTwips = 9360;  // 6.5 inches between one-inch margins
constexpr int kTwipsPerPixel = 15;

constexpr std::string_view kHexDigits = "0123456789abcdef";

std::string Hex2(unsigned value) {
    return {kHexDigits[(value >> 4) & 0xFU], kHexDigits[value & 0xFU]};
}

std::string ColorEntry(const Rgb& c) {
    return "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
           std::to_string(c.blue) + ";";
}

// The fonts and sizes of one dialect ("\f0\fs20": font 0 at 10 points).
struct DialectForms {
    std::string body;  // paragraph font and size
    std::string heading;
    std::string title;
    std::string symbol;  // font of the bullet character
    std::string cellFont;
};

std::string FontAndSize(int font, int halfPoints) {
    return "\\f" + std::to_string(font) + "\\fs" + std::to_string(halfPoints);
}

// A compact document (the Details text laid over a photo) keeps its title small.
DialectForms FormsOf(RtfDialect dialect, bool compact) {
    switch (dialect) {
        case RtfDialect::WordPad:
            return {FontAndSize(0, compact ? 18 : 20), FontAndSize(0, 24),
                    FontAndSize(1, compact ? 22 : 36), "\\f2", FontAndSize(0, 20)};
        case RtfDialect::Word:
            return {FontAndSize(0, compact ? 18 : 24), FontAndSize(1, 28),
                    FontAndSize(1, compact ? 22 : 36), "\\f2", FontAndSize(1, 20)};
        case RtfDialect::Word6:
            break;
    }
    return {FontAndSize(6, compact ? 18 : 22), FontAndSize(5, 26),
            FontAndSize(5, compact ? 22 : 32), "\\f0", FontAndSize(6, 20)};
}

// Collects the RTF text, keeping control words apart from the text that follows them and
// lines short, as word processors do.
class RtfOut {
  public:
    explicit RtfOut(RtfDialect dialect) : dialect_(dialect) {}

    void control(std::string_view words) {
        if (words.empty()) {
            return;
        }
        out_ += words;
        delimit_ = (std::isalnum(static_cast<unsigned char>(words.back())) || words.back() == '-');
    }
    void raw(std::string_view text) {
        out_ += text;
        delimit_ = false;
    }
    void newline() {
        out_ += kEol;
        lineStart_ = out_.size();
        delimit_ = false;
    }
    void text(std::u32string_view text) {
        for (const char32_t c : text) {
            character(c);
        }
    }
    std::string take() { return std::move(out_); }

  private:
    void plain(char c) {
        if (delimit_) {
            out_ += ' ';
            delimit_ = false;
        }
        out_ += c;
    }
    void escapeByte(unsigned char byte) {
        out_ += "\\'";
        out_ += Hex2(byte);
        delimit_ = false;
    }
    // The character a reader that skips \u shows instead; letters, digits and blanks are
    // escaped so that they cannot run into the number of the \u word or be taken for its
    // delimiter.
    void fallback(char c) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == ' ') {
            escapeByte(static_cast<unsigned char>(c));
        } else {
            out_ += c;
            delimit_ = false;
        }
    }
    // \u takes a signed 16-bit number; characters beyond it go as two surrogates.
    void unicodeWord(char32_t unit) {
        const long value = static_cast<long>(unit);
        out_ += "\\u" + std::to_string(value > 32767 ? value - 65536 : value);
        delimit_ = true;
    }
    void character(char32_t c) {
        switch (c) {
            case U'\\':
                raw("\\\\");
                return;
            case U'{':
                raw("\\{");
                return;
            case U'}':
                raw("\\}");
                return;
            case U'\t':
                control("\\tab");
                return;
            default:
                break;
        }
        if (c >= 0x20 && c < 0x7F) {
            plain(static_cast<char>(c));
            if (c == U' ' && out_.size() - lineStart_ > kWrapColumn) {
                newline();
            }
            return;
        }
        if (c < 0x20 || c == 0x7F) {
            return;  // control characters carry nothing in a text
        }
        const auto byte = ToWindows1252(c);
        if (!byte) {
            if (c > 0xFFFF) {
                const char32_t v = c - 0x10000;
                unicodeWord(0xD800 + (v >> 10));
                fallback('?');
                unicodeWord(0xDC00 + (v & 0x3FF));
                fallback('?');
                return;
            }
            unicodeWord(c);
            fallback(AsciiFallback(c));
        } else if (dialect_ == RtfDialect::Word && *byte >= 0x80 && *byte <= 0x9F) {
            // Word writes typographic characters as Unicode with the code-page byte as the
            // fallback.
            unicodeWord(c);
            escapeByte(*byte);
        } else {
            escapeByte(*byte);
        }
    }

    RtfDialect dialect_;
    std::string out_;
    std::size_t lineStart_ = 0;
    bool delimit_ = false;
};

class DocumentWriter {
  public:
    DocumentWriter(const SourceDocument& doc, const RtfLook& look, const EmbeddedPicture* picture)
        : doc_(doc),
          look_(look),
          picture_(picture),
          forms_(FormsOf(look.dialect, look.compact)),
          out_(look.dialect) {}

    std::string write() {
        header();
        title();
        for (std::size_t i = 0; i < doc_.blocks.size(); ++i) {
            block(doc_.blocks[i], i + 1 < doc_.blocks.size() ? &doc_.blocks[i + 1] : nullptr);
        }
        out_.control("\\par");
        out_.newline();
        out_.raw("}");
        out_.newline();
        return out_.take();
    }

  private:
    bool is(RtfDialect d) const { return look_.dialect == d; }

    void header() {
        switch (look_.dialect) {
            case RtfDialect::WordPad:
                out_.raw("{");
                out_.control("\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033");
                out_.raw(
                    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times "
                    "New Roman;}{\\f2\\fnil\\fcharset2 Symbol;}}");
                out_.newline();
                out_.raw("{\\colortbl ;" + ColorEntry(look_.titleColor) +
                         ColorEntry(look_.headingColor) + "}");
                out_.newline();
                out_.control("\\viewkind4\\uc1");
                break;
            case RtfDialect::Word:
                out_.raw("{");
                out_.control("\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033");
                out_.raw(
                    "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose "
                    "02020603050405020304}Times New Roman;}{\\f1\\fswiss\\fcharset0\\fprq2{\\*"
                    "\\panose 020b0604020202020204}Arial;}");
                out_.newline();
                out_.raw(
                    "{\\f2\\froman\\fcharset2\\fprq2{\\*\\panose 05050102010706020507}Symbol;}"
                    "{\\f3\\fmodern\\fcharset0\\fprq1 Courier New;}}");
                out_.newline();
                out_.raw("{\\colortbl;\\red0\\green0\\blue0;" + ColorEntry(look_.titleColor) +
                         ColorEntry(look_.headingColor) + "\\red217\\green217\\blue217;}");
                out_.newline();
                out_.raw(
                    "{\\stylesheet{\\ql \\li0\\ri0\\sa120\\widctlpar\\aspalpha\\aspnum\\faauto"
                    "\\adjustright\\rin0\\lin0\\itap0 \\f0\\fs24\\lang1033\\langfe1033 \\snext0 "
                    "Normal;}");
                out_.newline();
                out_.raw(
                    "{\\s1\\qc \\li0\\ri0\\sb240\\sa240\\keepn\\widctlpar\\rin0\\lin0\\itap0 "
                    "\\b\\f1\\fs36\\cf2 \\sbasedon0 \\snext0 Title;}{\\s2\\ql \\li0\\ri0\\sb240"
                    "\\sa60\\keepn\\widctlpar\\rin0\\lin0\\itap0 \\b\\f1\\fs28\\cf3 \\sbasedon0 "
                    "\\snext0 heading 2;}");
                out_.newline();
                out_.raw(
                    "{\\s3\\ql \\fi-360\\li720\\ri0\\sa60\\widctlpar\\rin0\\lin720\\itap0 "
                    "\\f0\\fs24 \\sbasedon0 \\snext3 List Paragraph;}{\\*\\cs10 \\additive "
                    "\\ssemihidden Default Paragraph Font;}}");
                out_.newline();
                out_.raw(
                    "{\\*\\listtable{\\list\\listtemplateid1\\listsimple{\\listlevel\\levelnfc23"
                    "\\levelnfcn23\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1\\levelspace0"
                    "\\levelindent0{\\leveltext\\'01\\u-3913 ?;}{\\levelnumbers;}\\f2\\fi-360"
                    "\\li720\\jclisttab\\tx720\\lin720 }{\\listname ;}\\listid1}");
                out_.newline();
                out_.raw(
                    "{\\list\\listtemplateid2\\listsimple{\\listlevel\\levelnfc0\\levelnfcn0"
                    "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1\\levelspace0"
                    "\\levelindent0{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}\\fi-360"
                    "\\li720\\jclisttab\\tx720\\lin720 }{\\listname ;}\\listid2}}");
                out_.newline();
                out_.raw(
                    "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}"
                    "{\\listoverride\\listid2\\listoverridecount0\\ls2}}");
                out_.newline();
                out_.raw("{\\info{\\title ");
                out_.text(doc_.title);
                out_.raw("}{\\author The Vantrel Velocarta}{\\company Halder Motor Company}}");
                out_.newline();
                out_.control(
                    "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440"
                    "\\widowctrl\\ftnbj\\aenddoc\\formshade\\viewkind1\\viewscale100");
                out_.newline();
                break;
            case RtfDialect::Word6:
                out_.raw("{");
                out_.control("\\rtf1\\ansi\\ansicpg1252\\deff6\\deflang1033");
                out_.raw(
                    "{\\fonttbl{\\f0\\froman\\fcharset2\\fprq2 Symbol;}{\\f5\\fswiss\\fcharset0"
                    "\\fprq2 Arial;}{\\f6\\froman\\fcharset0\\fprq2 Times New Roman;}}");
                out_.newline();
                out_.raw("{\\colortbl;\\red0\\green0\\blue0;" + ColorEntry(look_.titleColor) +
                         ColorEntry(look_.headingColor) + "}");
                out_.newline();
                out_.raw(
                    "{\\stylesheet{\\widctlpar \\f6\\fs22 \\snext0 Normal;}{\\*\\cs10 \\additive "
                    "Default Paragraph Font;}}");
                out_.newline();
                out_.control(
                    "\\margl1800\\margr1800\\margt1440\\margb1440 \\widowctrl\\ftnbj\\aenddoc"
                    "\\formshade \\fet0\\sectd \\linex0\\endnhere");
                out_.newline();
                break;
        }
    }

    // The paragraph start: WordPad only resets the paragraph, the others reset characters
    // too, as their writers do.
    void startParagraph(std::string_view properties) {
        if (is(RtfDialect::WordPad)) {
            out_.control("\\pard");
        } else {
            out_.control("\\pard\\plain ");
        }
        out_.control(properties);
    }
    void endParagraph() {
        out_.control("\\par");
        out_.newline();
    }

    std::string_view titleColor() const { return is(RtfDialect::WordPad) ? "\\cf1" : "\\cf2"; }
    std::string_view headingColor() const { return is(RtfDialect::WordPad) ? "\\cf2" : "\\cf3"; }

    void title() {
        if (is(RtfDialect::Word)) {
            startParagraph(look_.compact ? "\\s1\\qc\\sa60\\keepn\\widctlpar\\b\\cf2"
                                         : "\\s1\\qc\\sb240\\sa240\\keepn\\widctlpar\\b\\cf2");
            out_.control(forms_.title);
            out_.text(doc_.title);
            endParagraph();
            return;
        }
        startParagraph("\\qc");
        out_.control(titleColor());
        out_.control("\\b");
        out_.control(forms_.title);
        out_.text(doc_.title);
        out_.control("\\cf0\\b0");
        out_.control(forms_.body);
        endParagraph();
        if (is(RtfDialect::WordPad) && !look_.compact) {
            endParagraph();  // WordPad users space with empty paragraphs
        }
    }

    // Runs with attribute toggles (WordPad) or groups (the Word dialects).
    void runs(const RichLine& line) {
        if (is(RtfDialect::WordPad)) {
            bool b = false;
            bool i = false;
            bool u = false;
            for (const TextRun& run : line) {
                if (run.bold != b) {
                    out_.control(run.bold ? "\\b" : "\\b0");
                }
                if (run.italic != i) {
                    out_.control(run.italic ? "\\i" : "\\i0");
                }
                if (run.underline != u) {
                    out_.control(run.underline ? "\\ul" : "\\ulnone");
                }
                b = run.bold;
                i = run.italic;
                u = run.underline;
                out_.text(run.text);
            }
            if (b) {
                out_.control("\\b0");
            }
            if (i) {
                out_.control("\\i0");
            }
            if (u) {
                out_.control("\\ulnone");
            }
            return;
        }
        for (const TextRun& run : line) {
            if (!run.bold && !run.italic && !run.underline) {
                out_.text(run.text);
                continue;
            }
            out_.raw("{");
            if (run.bold) {
                out_.control("\\b");
            }
            if (run.italic) {
                out_.control("\\i");
            }
            if (run.underline) {
                out_.control("\\ul");
            }
            out_.text(run.text);
            out_.raw("}");
        }
    }

    void heading(const Block& block) {
        if (is(RtfDialect::Word)) {
            startParagraph("\\s2\\ql\\sb240\\sa60\\keepn\\widctlpar\\b\\f1\\fs28\\cf3");
            runs(block.text);
            endParagraph();
            return;
        }
        startParagraph(is(RtfDialect::Word6) ? "\\sb240\\sa60\\keepn\\widctlpar" : "");
        out_.control(headingColor());
        out_.control("\\b");
        out_.control(forms_.heading);
        runs(block.text);
        out_.control("\\cf0\\b0");
        out_.control(forms_.body);
        endParagraph();
    }

    void paragraph(const Block& block, const Block* next) {
        switch (look_.dialect) {
            case RtfDialect::WordPad:
                startParagraph("");
                out_.control(forms_.body);
                runs(block.text);
                endParagraph();
                if (next != nullptr && !look_.compact &&
                    (next->kind == BlockKind::Paragraph || next->kind == BlockKind::Heading)) {
                    endParagraph();
                }
                return;
            case RtfDialect::Word:
                startParagraph("\\ql\\sa120\\widctlpar");
                break;
            case RtfDialect::Word6:
                startParagraph("\\fi360\\sa80\\widctlpar");
                break;
        }
        out_.control(forms_.body);
        runs(block.text);
        endParagraph();
    }

    void listItem(const Block& block) {
        const bool bullet = block.kind == BlockKind::Bullet;
        const std::string number = std::to_string(block.number);
        switch (look_.dialect) {
            case RtfDialect::Word:
                out_.raw("{");
                if (bullet) {
                    out_.control("\\listtext\\pard\\plain\\f2\\fs24");
                    out_.raw(" \\'b7");
                } else {
                    out_.control("\\listtext\\pard\\plain\\f0\\fs24");
                    out_.raw(" " + number + ".");
                }
                out_.control("\\tab");
                out_.raw("}");
                out_.control(
                    "\\pard\\plain \\s3\\ql\\fi-360\\li720\\sa60\\widctlpar\\jclisttab"
                    "\\tx720");
                out_.control(bullet ? "\\ls1" : "\\ls2");
                out_.control(forms_.body);
                break;
            case RtfDialect::WordPad:
            case RtfDialect::Word6: {
                const bool word6 = is(RtfDialect::Word6);
                out_.raw("{");
                if (bullet) {
                    out_.control("\\pntext");
                    out_.control(word6 ? "\\pard\\plain" : "");
                    out_.control(forms_.symbol);
                    out_.raw(" \\'b7");
                } else {
                    out_.control("\\pntext");
                    out_.control(word6 ? "\\pard\\plain" : "");
                    out_.control(forms_.body);
                    out_.raw(" " + number + ".");
                }
                out_.control("\\tab");
                out_.raw("}");
                out_.control(word6 ? "\\pard\\plain \\fi-360\\li360\\widctlpar"
                                   : "\\pard\\fi-360\\li360");
                out_.raw("{");
                if (bullet) {
                    out_.control("\\*\\pn\\pnlvlblt");
                    out_.control(word6 ? "\\pnf0" : "\\pnf2");
                    out_.control("\\pnindent360\\pnhang");
                    out_.raw("{\\pntxtb \\'b7}}");
                } else {
                    out_.control("\\*\\pn\\pnlvlbody\\pndec\\pnstart" + number +
                                 "\\pnindent360\\pnhang");
                    out_.raw("{\\pntxta .}}");
                }
                out_.control(forms_.body);
                break;
            }
        }
        runs(block.text);
        endParagraph();
    }

    void table(const Block& block) {
        if (block.rows.empty()) {
            return;
        }
        std::size_t columns = 0;
        for (const auto& row : block.rows) {
            columns = std::max(columns, row.size());
        }
        // Column widths follow the longest cell of each column.
        std::vector<std::size_t> weight(columns, 4);
        for (const auto& row : block.rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                weight[c] =
                    std::max(weight[c], std::min<std::size_t>(PlainText(row[c]).size(), 40) + 4);
            }
        }
        std::size_t total = 0;
        for (const std::size_t w : weight) {
            total += w;
        }
        std::vector<int> edges;
        std::size_t sum = 0;
        for (const std::size_t w : weight) {
            sum += w;
            edges.push_back(static_cast<int>(kTextWidthTwips * sum / total));
        }
        constexpr std::string_view kBorder = "\\brdrs\\brdrw10 ";
        for (std::size_t r = 0; r < block.rows.size(); ++r) {
            const bool header = r == 0;
            out_.control("\\trowd\\trgaph108\\trleft0");
            if (is(RtfDialect::Word)) {
                out_.control("\\trbrdrt");
                out_.raw(kBorder);
                out_.control("\\trbrdrb");
                out_.raw(kBorder);
                if (header) {
                    out_.control("\\trhdr");
                }
            }
            out_.newline();
            for (const int right : edges) {
                for (const std::string_view side :
                     {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"}) {
                    out_.control(side);
                    out_.raw(kBorder);
                }
                if (header && is(RtfDialect::Word)) {
                    out_.control("\\clcbpat4");
                }
                out_.control("\\cellx" + std::to_string(right));
            }
            out_.newline();
            out_.control(is(RtfDialect::WordPad) ? "\\pard\\intbl" : "\\pard\\plain \\intbl");
            out_.control(forms_.cellFont);
            for (std::size_t c = 0; c < columns; ++c) {
                static const RichLine kEmpty;
                const RichLine& cell = c < block.rows[r].size() ? block.rows[r][c] : kEmpty;
                if (header) {
                    out_.raw("{");
                    out_.control("\\b");
                    runs(cell);
                    out_.raw("}");
                } else {
                    runs(cell);
                }
                out_.control("\\cell");
            }
            out_.control("\\row");
            out_.newline();
        }
        // An empty paragraph keeps what follows off the table, as word processors leave it.
        startParagraph("");
        endParagraph();
    }

    void pictureBlock() {
        if (picture_ == nullptr) {
            throw std::invalid_argument("the text asks for a picture but none was given");
        }
        startParagraph("\\qc");
        out_.raw("{");
        out_.control("\\pict");
        out_.control(picture_->format == EmbeddedPicture::Format::Jpeg ? "\\jpegblip"
                                                                       : "\\pngblip");
        out_.control("\\picw" + std::to_string(picture_->width) + "\\pich" +
                     std::to_string(picture_->height) + "\\picwgoal" +
                     std::to_string(picture_->width * kTwipsPerPixel) + "\\pichgoal" +
                     std::to_string(picture_->height * kTwipsPerPixel));
        out_.newline();
        std::string line;
        for (const char byte : picture_->bytes) {
            const auto value = static_cast<unsigned char>(byte);
            line += kHexDigits[value >> 4];
            line += kHexDigits[value & 0xFU];
            if (line.size() == 128) {
                out_.raw(line);
                out_.newline();
                line.clear();
            }
        }
        out_.raw(line);
        out_.raw("}");
        endParagraph();
    }

    void block(const Block& block, const Block* next) {
        switch (block.kind) {
            case BlockKind::Heading:
                heading(block);
                return;
            case BlockKind::Paragraph:
                paragraph(block, next);
                return;
            case BlockKind::Bullet:
            case BlockKind::Numbered:
                listItem(block);
                if (is(RtfDialect::WordPad) &&
                    (next == nullptr ||
                     (next->kind != BlockKind::Bullet && next->kind != BlockKind::Numbered))) {
                    startParagraph("");
                    endParagraph();
                }
                return;
            case BlockKind::Table:
                table(block);
                return;
            case BlockKind::Picture:
                pictureBlock();
                return;
            case BlockKind::PageBreak:
                out_.control("\\page");
                out_.newline();
                return;
        }
    }

    const SourceDocument& doc_;
    const RtfLook& look_;
    const EmbeddedPicture* picture_;
    DialectForms forms_;
    RtfOut out_;
};

}  // namespace

std::string WriteRtf(const SourceDocument& doc, const RtfLook& look,
                     const EmbeddedPicture* picture) {
    return DocumentWriter(doc, look, picture).write();
}

}  // namespace velocarta::sampledisc
