#pragma once

// The pieces the RTF writer is made of: the text collector that escapes and wraps as word
// processors do, the fonts of each dialect, and the document header.

#include <cctype>
#include <string>
#include <string_view>

#include "sampledisc/rtf_writer.h"
#include "sampledisc/text_encoding.h"

namespace velocarta::sampledisc {

inline constexpr std::string_view kEol = "\r\n";
inline constexpr std::size_t kWrapColumn = 100;
inline constexpr int kTextWidthTwips = 9360;  // 6.5 inches between one-inch margins
inline constexpr int kTwipsPerPixel = 15;
inline constexpr std::string_view kHexDigits = "0123456789abcdef";

// Two lower-case hex digits, as "\'e9" writes a byte.
std::string Hex2(unsigned value);
std::string ColorEntry(const Rgb& c);

// The fonts and sizes of one dialect ("\f0\fs20": font 0 at 10 points).
struct DialectForms {
    std::string body;  // paragraph font and size
    std::string heading;
    std::string title;
    std::string symbol;  // font of the bullet character
    std::string cellFont;
};
// A compact document (the Details text laid over a photo) keeps its title small.
DialectForms FormsOf(RtfDialect dialect, bool compact);

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

// The opening of a document of the look's dialect: font and colour tables, and for Word its
// stylesheet, lists and information.
void WriteRtfHeader(RtfOut& out, const RtfLook& look, std::u32string_view title);

}  // namespace velocarta::sampledisc
