#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/content_file.h"
#include "content/naming.h"

namespace velocarta {

// The photo page: twelve lines of heading, then the photo with its corner here (twips from
// the corner of the printable page).
inline constexpr int kPhotoPageX = 1460;
inline constexpr int kPhotoPageY = 3000;

// Eight blank lines, the product's name and the caption on show each after twelve blanks,
// with a blank line after each.
std::vector<std::string> PhotoPageLines(std::string_view caption);

// The name of a photo page's print job, which also names its PDF file.
std::string PhotoPageTitle(std::string_view caption);

}  // namespace velocarta
