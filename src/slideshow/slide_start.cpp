#include "slideshow/slide_start.h"

namespace velocarta {

int PhotoEntryOfPath(const PhotoCatalogue& catalogue, std::string_view path) {
    if (path.empty()) {
        return 0;
    }
    for (int k = 1; k <= catalogue.count(); ++k) {
        if (catalogue.path(k) == path) {
            return k;
        }
    }
    return 0;
}

int SlideStartPhoto(int lastPhotoIndex, int photoOnScreen, int photoCount,
                    const CanShowPhoto& canShow) {
    auto namesPhoto = [photoCount](int k) { return k >= 1 && k <= photoCount; };
    if (!namesPhoto(lastPhotoIndex)) {
        return 0;
    }
    if (canShow(lastPhotoIndex)) {
        return lastPhotoIndex;
    }
    if (namesPhoto(photoOnScreen) && photoOnScreen != lastPhotoIndex && canShow(photoOnScreen)) {
        return photoOnScreen;
    }
    // Every other photo once, from the one after the broken photo on, wrapping at the end.
    for (int step = 1; step < photoCount; ++step) {
        const int k = (lastPhotoIndex - 1 + step) % photoCount + 1;
        if (k != photoOnScreen && canShow(k)) {
            return k;
        }
    }
    return 0;
}

}  // namespace velocarta
