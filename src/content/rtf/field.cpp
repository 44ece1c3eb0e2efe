#include "content/rtf/field.h"

#include <vector>

#include "content/text.h"

namespace velocarta::rtf {

namespace {

// The words of a field instruction; a quoted argument is one word without its quotes.
std::vector<std::string> SplitInstruction(std::string_view instruction) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < instruction.size()) {
        const char c = instruction[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == '"') {
            const auto close = instruction.find('"', i + 1);
            const auto end = close == std::string_view::npos ? instruction.size() : close;
            words.emplace_back(instruction.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            const auto end = instruction.find_first_of(" \t\"", i);
            const auto stop = end == std::string_view::npos ? instruction.size() : end;
            words.emplace_back(instruction.substr(i, stop - i));
            i = stop;
        }
    }
    return words;
}

// Switches of HYPERLINK that take an argument.
bool TakesArgument(std::string_view option) {
    return option == "\\l" || option == "\\o" || option == "\\t";
}

}  // namespace

std::string HyperlinkTarget(std::string_view instruction) {
    const std::vector<std::string> words = SplitInstruction(instruction);
    if (words.empty() || !EqualsIgnoringAsciiCase(words.front(), "HYPERLINK")) {
        return {};
    }
    std::string address;
    std::string anchor;
    bool sawAnchorSwitch = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.starts_with('\\')) {
            if (TakesArgument(word) && i + 1 < words.size()) {
                if (word == "\\l") {
                    anchor = words[i + 1];
                }
                ++i;
            }
            sawAnchorSwitch = sawAnchorSwitch || word == "\\l";
        } else if (address.empty() && !sawAnchorSwitch) {
            address = word;
        }
    }
    if (anchor.empty()) {
        return address;
    }
    return address + "#" + anchor;
}

}  // namespace velocarta::rtf
