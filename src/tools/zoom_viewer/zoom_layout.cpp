#include "tools/zoom_viewer/zoom_layout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velocarta {

namespace {

constexpr std::array<std::string_view, 10> kLandscapeYears{"1979", "1980", "1986", "1987", "1990",
                                                           "1992", "1993", "1994", "1995", "1996"};

// Portrait advertisements are 0.77 times as wide as they are high.
constexpr double kPortraitShape = 0.77;

}  // namespace

ZoomScrollBar ZoomScrollBarFor(int pictureLength, int viewportLength) {
    ZoomScrollBar bar;
    if (viewportLength <= 0 || pictureLength <= viewportLength) {
        return bar;
    }
    bar.enabled = true;
    bar.maximum = pictureLength - viewportLength;
    bar.ratio = pictureLength / viewportLength;
    // A step that works out as 0 would not move the picture at all.
    bar.largeStep = std::max(1, bar.maximum / bar.ratio / 6);
    return bar;
}

ZoomLayout LayOutZoomViewer(int innerWidth, int innerHeight, int barWidth, int barHeight,
                            int pictureWidth, int pictureHeight) {
    ZoomLayout layout;
    const int viewWidth = std::max(0, innerWidth - barWidth);
    const int viewHeight = std::max(0, innerHeight - barHeight);
    layout.picParent = {0, 0, viewWidth, viewHeight};
    layout.hScroll = {0, viewHeight, viewWidth, barHeight};
    layout.horizontal = ZoomScrollBarFor(pictureWidth, viewWidth);
    layout.vScroll = {viewWidth, 0, barWidth, viewHeight};
    layout.vertical = ZoomScrollBarFor(pictureHeight, viewHeight);
    layout.closeButton = {layout.hScroll.width, layout.vScroll.height, barWidth, barHeight};
    return layout;
}

bool IsLandscapeAdvertisement(std::string_view yearCaption) {
    return std::find(kLandscapeYears.begin(), kLandscapeYears.end(), yearCaption) !=
           kLandscapeYears.end();
}

Rect FittedView(int areaWidth, int areaHeight, std::string_view yearCaption) {
    if (IsLandscapeAdvertisement(yearCaption)) {
        return {0, 0, areaWidth, areaHeight};
    }
    const int width = static_cast<int>(std::lround(areaHeight * kPortraitShape));
    if (width <= areaWidth) {
        return {(areaWidth - width) / 2, 0, width, areaHeight};
    }
    const int height = static_cast<int>(std::lround(areaWidth / kPortraitShape));
    return {0, (areaHeight - height) / 2, areaWidth, height};
}

}  // namespace velocarta
