#include "slideshow/slide_steps.h"

#include <algorithm>

namespace velocarta {

int SlideForwardIndex(int photoIndex, int photoCount) {
    if (photoCount < 1) {
        return 0;
    }
    return photoIndex >= photoCount || photoIndex < 0 ? 1 : photoIndex + 1;
}

int SlideBackwardIndex(int photoIndex, int photoCount) {
    if (photoCount < 1) {
        return 0;
    }
    return photoIndex > 1 && photoIndex <= photoCount + 1 ? photoIndex - 1 : photoCount;
}

int SlideJumpForwardIndex(int photoIndex, int photoCount) {
    if (photoCount < 1) {
        return 0;
    }
    const int target = std::max(photoIndex, 0) + 10;
    return target > photoCount - 1 ? 1 : target;
}

int SlideJumpBackwardIndex(int photoIndex, int photoCount) {
    if (photoCount < 1) {
        return 0;
    }
    const int target = std::min(photoIndex, photoCount + 1) - 10;
    return target < 1 ? photoCount : target;
}

int SlideMiddleIndex(int photoCount) {
    if (photoCount < 1) {
        return 0;
    }
    const int half = photoCount / 2;
    // An odd count lies halfway between half and half + 1: take the even one.
    const int rounded = (photoCount % 2 == 0 || half % 2 == 0) ? half : half + 1;
    return std::max(rounded, 1);
}

int PausedPhotoIndex(int photoIndex, int photoCount, bool somethingShown) {
    if (photoCount < 1) {
        return 0;
    }
    const int onShow = std::min(photoIndex, photoCount + 1) - 1;
    if (onShow < 1) {
        return somethingShown ? photoCount : 0;
    }
    return onShow;
}

}  // namespace velocarta
