#pragma once

#include <string_view>

#include "shell/main_layout.h"

namespace velocarta {

// Where the picture boxes go on the main window (pixels), for a box of `width` by
// `height`: its picture and its border.

// Just above the year buttons, its right edge one pixel past the photo's.
Rect EmblemPlace(const MainLayout& layout, int width, int height);
// The photo's top-left corner, 25 pixels down.
Rect ScriptPlace(const MainLayout& layout, int width, int height);
// The photo's top-right corner.
Rect ClipArtPlace(const MainLayout& layout, int width, int height);

// Whether a caption has emblem, script and clip art pictures to reload into open boxes:
// the model years ("1965", or "1965 " as the slide show names them) and the topics of the
// content tables do; the art prints, which no content table names, have none.
bool HasYearPictures(std::string_view caption);

}  // namespace velocarta
