#include "printing/photo_page.h"

#include "content/naming.h"

namespace velocarta {

namespace {

constexpr std::string_view kIndent = "            ";  // twelve blanks
constexpr std::string_view kProductName = "The Vantrel Velocarta 2000";

// Before the first pick the year panel holds its design-time name, which is no caption.
std::string_view ShownCaption(std::string_view caption) {
    return caption == kNothingChosen ? std::string_view() : caption;
}

}  // namespace

std::vector<std::string> PhotoPageLines(std::string_view caption) {
    std::vector<std::string> lines(8, " ");
    lines.push_back(std::string(kIndent) + std::string(kProductName));
    lines.emplace_back(" ");
    lines.push_back(std::string(kIndent) + std::string(ShownCaption(caption)));
    lines.emplace_back(" ");
    return lines;
}

std::string PhotoPageTitle(std::string_view caption) {
    std::string title = "The Vantrel Velocarta";
    const std::string_view shown = ShownCaption(caption);
    if (!shown.empty()) {
        title += ' ';
        title += shown;
    }
    return title;
}

}  // namespace velocarta
