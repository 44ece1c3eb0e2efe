#include "sampledisc/rtf_writer.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string_view>

#include "sampledisc/rtf_out.h"
#include "sampledisc/text_encoding.h"

namespace velocarta::sampledisc {

namespace {

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

    void header() { WriteRtfHeader(out_, look_, doc_.title); }

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
