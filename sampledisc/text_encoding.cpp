#include "sampledisc/text_encoding.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace velocarta::sampledisc {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> kHighControls{{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
    {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
    {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
}};

[[noreturn]] void Invalid(std::size_t offset) {
    throw std::runtime_error("invalid UTF-8 at byte " + std::to_string(offset));
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            c = lead & 0x07;
        } else {
            Invalid(i);
        }
        if (i + extra >= text.size() && extra > 0) {
            Invalid(i);
        }
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                Invalid(i);
            }
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            Invalid(i);
        }
        out.push_back(c);
        i += 1 + extra;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::optional<unsigned char> ToWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    for (const auto& [code, byte] : kHighControls) {
        if (code == c) {
            return byte;
        }
    }
    return std::nullopt;
}

char AsciiFallback(char32_t c) {
    if (c < 0x80) {
        return static_cast<char>(c);
    }
    switch (c) {
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x2032:
            return '\'';
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x2033:
            return '"';
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2212:
            return '-';
        case 0x00A0:
        case 0x2009:
        case 0x202F:
            return ' ';
        case 0x00D7:
            return 'x';
        case 0x2022:
        case 0x00B7:
            return '*';
        default:
            break;
    }
    // Accented Latin letters fall back to their base letter.
    static constexpr std::string_view kLatin1Letters =
        "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYPsaaaaaaaceeeeiiiidnooooo/ouuuuypy";
    if (c >= 0xC0 && c <= 0xFF) {
        return kLatin1Letters[c - 0xC0];
    }
    return '?';
}

}  // namespace velocarta::sampledisc
