#include "yearimages/picture_places.h"

#include "content/naming.h"

namespace velocarta {

Rect EmblemPlace(const MainLayout& layout, int width, int height) {
    return {layout.image4.width - width + 9, layout.frame1.top - height - 1, width, height};
}

Rect ScriptPlace(const MainLayout& layout, int width, int height) {
    return {layout.image4.left + 1, layout.image4.top + 25, width, height};
}

Rect ClipArtPlace(const MainLayout& layout, int width, int height) {
    return {layout.image4.width - width + 6, layout.image4.top, width, height};
}

bool HasYearPictures(std::string_view caption) {
    // The slide show hands its captions back with a blank after the year ("1965 ").
    const std::string_view year = caption.substr(0, 4);
    for (int index = 1; index <= 37; ++index) {
        if (year == YearOfButton(index)) {
            return true;
        }
    }
    return FindTopicByCaption(caption) != nullptr;
}

}  // namespace velocarta
