#pragma once

#include <cstdint>
#include <string>

#include "sampledisc/source_text.h"

namespace velocarta::sampledisc {

// Real discs hold documents saved by different word processors; the sample disc varies its
// documents the same way so that readers meet each form.
enum class RtfDialect {
    WordPad,  // no stylesheet, attribute toggles, \pntext bullets
    Word,     // stylesheet, \listtable with \listtext items, grouped attributes, \u escapes
    Word6,    // small stylesheet, \pntext bullets and numbers, first-line indents
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct EmbeddedPicture {
    enum class Format { Jpeg, Png };
    Format format = Format::Jpeg;
    std::string bytes;
    int width = 0;  // pixels
    int height = 0;
};

struct RtfLook {
    RtfDialect dialect = RtfDialect::WordPad;
    Rgb titleColor{0, 0, 128};
    Rgb headingColor{128, 0, 0};
    // Small type and no spacing, for the Details text laid over a photo.
    bool compact = false;
};

// The document as an RTF file (Windows-1252, CR LF line ends). `picture` is placed wherever
// the text asks for one; a text that asks for a picture without one throws
// std::invalid_argument.
std::string WriteRtf(const SourceDocument& doc, const RtfLook& look,
                     const EmbeddedPicture* picture);

}  // namespace velocarta::sampledisc
