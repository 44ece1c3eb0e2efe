#include "content/text.h"

namespace velocarta {

namespace {
char UpperOf(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char LowerOf(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

std::string AsciiUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = UpperOf(c);
    }
    return result;
}

std::string AsciiLower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = LowerOf(c);
    }
    return result;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperOf(a[i]) != UpperOf(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view Mid(std::string_view text, std::size_t start, std::size_t length) {
    if (start == 0 || start > text.size()) {
        return {};
    }
    return text.substr(start - 1, length);
}

std::string DoubleAmpersands(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 4);
    for (char c : text) {
        result += c;
        if (c == '&') {
            result += '&';
        }
    }
    return result;
}

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

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

}  // namespace velocarta
