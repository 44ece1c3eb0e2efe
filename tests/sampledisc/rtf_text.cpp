#include "rtf_text.h"

#include <array>
#include <cctype>
#include <vector>

namespace velocarta::testing {

namespace {

// Windows-1252 0x80 .. 0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> kHigh{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool SkippedDestination(std::string_view word) {
    for (const std::string_view skipped :
         {"fonttbl", "colortbl", "stylesheet", "info", "pict", "listtable", "listoverridetable",
          "pntext", "listtext", "pn", "pntxtb", "pntxta"}) {
        if (word == skipped) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string RtfPlainText(std::string_view rtf) {
    struct Group {
        bool skip = false;
        int unicodeSkip = 1;
    };
    std::vector<Group> groups{Group{}};
    std::string out;
    char32_t highSurrogate = 0;
    int pendingSkip = 0;  // fallback characters still to drop after a \u
    auto emit = [&](char32_t c) {
        if (groups.back().skip) {
            return;
        }
        if (pendingSkip > 0) {
            --pendingSkip;
            return;
        }
        AppendUtf8(out, c);
    };
    std::size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            groups.push_back(groups.back());
            ++i;
        } else if (c == '}') {
            if (groups.size() > 1) {
                groups.pop_back();
            }
            pendingSkip = 0;
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            emit(static_cast<unsigned char>(c));
            ++i;
        } else if (i + 1 < rtf.size() && !std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
            const char symbol = rtf[i + 1];
            i += 2;
            if (symbol == '\'' && i + 2 <= rtf.size()) {
                const auto byte =
                    static_cast<unsigned>(std::stoul(std::string(rtf.substr(i, 2)), nullptr, 16));
                i += 2;
                emit(byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte);
            } else if (symbol == '*') {
                groups.back().skip = true;
            } else if (symbol == '~') {
                emit(0xA0);
            } else if (symbol == '\\' || symbol == '{' || symbol == '}') {
                emit(static_cast<unsigned char>(symbol));
            }
        } else {
            ++i;
            std::size_t start = i;
            while (i < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i]))) {
                ++i;
            }
            const std::string word(rtf.substr(start, i - start));
            std::string number;
            if (i < rtf.size() &&
                (rtf[i] == '-' || std::isdigit(static_cast<unsigned char>(rtf[i])))) {
                start = i++;
                while (i < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[i]))) {
                    ++i;
                }
                number = std::string(rtf.substr(start, i - start));
            }
            if (i < rtf.size() && rtf[i] == ' ') {
                ++i;
            }
            if (SkippedDestination(word)) {
                groups.back().skip = true;
            } else if (word == "par" || word == "line" || word == "row") {
                emit(U'\n');
            } else if (word == "tab") {
                emit(U'\t');
            } else if (word == "cell") {
                emit(U'|');
            } else if (word == "page") {
                emit(U'\f');
            } else if (word == "uc") {
                groups.back().unicodeSkip = std::stoi(number);
            } else if (word == "u") {
                long value = std::stol(number);
                if (value < 0) {
                    value += 65536;
                }
                const auto unit = static_cast<char32_t>(value);
                if (unit >= 0xD800 && unit < 0xDC00) {
                    highSurrogate = unit;
                } else if (unit >= 0xDC00 && unit < 0xE000) {
                    emit(0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00));
                } else {
                    emit(unit);
                }
                if (!groups.back().skip) {
                    pendingSkip = groups.back().unicodeSkip;
                }
            }
        }
    }
    return out;
}

std::string CollapseSpace(std::string_view text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            blank = !out.empty();
        } else {
            if (blank) {
                out += ' ';
                blank = false;
            }
            out += c;
        }
    }
    return out;
}

bool BracesBalance(std::string_view rtf) {
    long depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // an escaped brace or backslash is text
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}') {
            if (--depth < 0) {
                return false;
            }
        }
    }
    return depth == 0;
}

}  // namespace velocarta::testing
