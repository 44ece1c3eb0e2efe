#include "content/utilities.h"

namespace velocarta {

bool ScreenIs(const Screen& screen, long long width, long long height) {
    // 64-bit products: a size that would overflow 32 bits simply does not match.
    constexpr long long kTwipsPerPixel = 15;
    if (static_cast<long long>(screen.widthPixels()) * screen.twipsPerPixelX() !=
        width * kTwipsPerPixel) {
        return false;
    }
    return static_cast<long long>(screen.heightPixels()) * screen.twipsPerPixelY() ==
           height * kTwipsPerPixel;
}

}  // namespace velocarta
