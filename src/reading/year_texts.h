#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "content/content_file.h"

namespace velocarta {

// A document the viewer opens: the file looked up (its existence is checked by listing
// it), the folder it is loaded from, and the viewer's caption.
struct ViewerRequest {
    ContentFile lookup;
    std::string loadFolder;  // "/richtext/" or "/RichText/"
    std::string caption;
};

// The four year-text buttons, for the year panel's caption on show. Nothing where the
// button does nothing for the caption ("panYear" for all but Description).
ViewerRequest DescriptionRequest(std::string_view contentPath, std::string_view caption);
ViewerRequest EnginesRequest(std::string_view contentPath, std::string_view caption);
std::optional<ViewerRequest> ColorsRequest(std::string_view contentPath, std::string_view caption);
std::optional<ViewerRequest> OptionsRequest(std::string_view contentPath, std::string_view caption);

// "The Vantrel Velocarta" and seven blanks: the start of every viewer caption.
inline constexpr std::string_view kViewerCaptionPrefix = "The Vantrel Velocarta       ";

}  // namespace velocarta
