#pragma once

#include <string_view>

#include "shell/main_layout.h"

namespace velocarta {

// One scroll bar of the zoom viewer's full-size view, for the picture's length and the
// viewport's length along the bar, in pixels.
struct ZoomScrollBar {
    // How far the picture moves: picture - viewport; 0 when the picture fits.
    int maximum = 0;
    // Only a picture longer than the viewport scrolls.
    bool enabled = false;
    // Picture / viewport in whole numbers; 0 for a bar that is off.
    int ratio = 0;
    // One page: (maximum / ratio) / 6 in whole numbers, at least 1; 0 for a bar that is off
    // (it keeps the step it had).
    int largeStep = 0;
    friend bool operator==(const ZoomScrollBar&, const ZoomScrollBar&) = default;
};

ZoomScrollBar ZoomScrollBarFor(int pictureLength, int viewportLength);

// The full-size view laid out in the window's inner area: the viewport `picParent` fills it
// less the scroll bars, the horizontal bar under it, the vertical bar beside it and the "X"
// button in the corner between the two.
struct ZoomLayout {
    Rect picParent;
    Rect hScroll;
    Rect vScroll;
    Rect closeButton;
    ZoomScrollBar horizontal;
    ZoomScrollBar vertical;
};

// `barWidth` is the vertical bar's width, `barHeight` the horizontal bar's height.
ZoomLayout LayOutZoomViewer(int innerWidth, int innerHeight, int barWidth, int barHeight,
                            int pictureWidth, int pictureHeight);

// Whether the advertisement of the year-panel caption is landscape ("1979", "1980", "1986",
// "1987", "1990", "1992" to "1996"); captions compare exactly.
bool IsLandscapeAdvertisement(std::string_view yearCaption);

// The fitted view in the window's inner area: as high as the area and centred; as wide as
// the area for a landscape advertisement, 0.77 times its height for a portrait one. A
// portrait view too wide for the area (a screen turned on its side) narrows to the area's
// width, keeps its shape and is centred upright.
Rect FittedView(int areaWidth, int areaHeight, std::string_view yearCaption);

}  // namespace velocarta
