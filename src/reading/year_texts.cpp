#include "reading/year_texts.h"

#include "content/naming.h"

namespace velocarta {

namespace {

constexpr std::string_view kYearsPrefix = "The Vantrel Velocarta       19";
constexpr std::string_view k2000Prefix = "The Vantrel Velocarta     20";

std::string Long(std::string_view title) {
    return std::string(kViewerCaptionPrefix) + std::string(title);
}

// "The Vantrel Velocarta       1965 Description", or for 2000 five blanks and "2000 ...".
std::string YearCaption(std::string_view caption, std::string_view title) {
    const std::string_view prefix = Is2000Caption(caption) ? k2000Prefix : kYearsPrefix;
    return std::string(prefix) + CaptionYY(caption) + " " + std::string(title);
}

ViewerRequest Request(ContentFile file, std::string loadFolder, std::string caption) {
    return {std::move(file), std::move(loadFolder), std::move(caption)};
}

}  // namespace

ViewerRequest DescriptionRequest(std::string_view contentPath, std::string_view caption) {
    const ContentFile file = DescriptionDoc(contentPath, caption);
    if (caption == kNothingChosen) {
        return Request(file, "/richtext/", Long("Introduction"));
    }
    if (FindTopicByCaption(caption) != nullptr) {
        return Request(file, "/richtext/", Long(caption));
    }
    return Request(file, "/richtext/", YearCaption(caption, "Description"));
}

ViewerRequest EnginesRequest(std::string_view contentPath, std::string_view caption) {
    const ContentFile file = EnginesDoc(contentPath, caption);
    if (caption == "Vantrel Kite III " || caption == "Vantrel Super Stravon ") {
        // The caption's own blank and one more: two blanks before "Specifications".
        return Request(file, "/richtext/", Long(std::string(caption) + " Specifications"));
    }
    return Request(file, "/richtext/",
                   YearCaption(caption, Is2000Caption(caption) ? "Statistics" : "Engines"));
}

namespace {

std::optional<ViewerRequest> ColorsOrOptions(std::string_view contentPath, std::string_view caption,
                                             bool colors) {
    if (caption == kNothingChosen) {
        return std::nullopt;
    }
    const ContentFile file =
        colors ? ColorsDoc(contentPath, caption) : OptionsDoc(contentPath, caption);
    const std::string_view title = colors ? "Colors" : "Options";
    if (caption == "The Classic Dorran ") {
        return Request(file, "/RichText/", Long(std::string(caption) + " " + std::string(title)));
    }
    return Request(file, "/RichText/", YearCaption(caption, title));
}

}  // namespace

std::optional<ViewerRequest> ColorsRequest(std::string_view contentPath, std::string_view caption) {
    return ColorsOrOptions(contentPath, caption, true);
}

std::optional<ViewerRequest> OptionsRequest(std::string_view contentPath,
                                            std::string_view caption) {
    return ColorsOrOptions(contentPath, caption, false);
}

}  // namespace velocarta
