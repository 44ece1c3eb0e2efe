#pragma once

#include "platform/screen.h"
#include "shell/main_layout.h"

namespace velocarta {

// The places of the show window's controls, in twips inside the window.
struct SlideLayout {
    Rect image1;        // the photo
    Rect panYear;       // year caption
    Rect ssCommand1;    // Beginning
    Rect ssCommand2;    // Middle
    Rect mmSlide;       // the seven-button bar
    Rect panInterval;   // delay read-out
    Rect spinInterval;  // delay spin
    Rect pnlCoStar;     // product title
    Rect statusDate;
    Rect statusDay;
    Rect statusTime;
    Rect cmdExit;
    friend bool operator==(const SlideLayout&, const SlideLayout&) = default;
};

// The designed places for the show window over an 800 by 600 screen: the photo on top, a
// row with the caption, Beginning, Middle and the delay, the button bar under it, and the
// status row at the bottom.
SlideLayout SlideDesignLayout();

// The layout for a screen of exactly 640 by 480 pixels, from the designed one: a smaller
// photo, the rows moved up, narrower status panels and buttons, each status panel placed
// right after the one before it, and the delay read-out 140 twips in from the screen's
// right edge. Scaled sizes round to whole twips, halves to even.
SlideLayout SmallScreenSlideLayout(SlideLayout layout, int screenWidthTwips);

// The layout the show uses on this screen: the small one only at exactly 640 by 480 pixels
// (ScreenIs), the designed one everywhere else.
SlideLayout SlideLayoutFor(const Screen& screen);

// The designed layout in a window larger than the room its controls take (the photo and a
// margin as wide as the photo's own left and top one): the photo grows by the extra room,
// and the rows under it move down with the photo's bottom and right by half the extra
// width, so that they stay centred under it. A window without extra room keeps the
// designed places.
SlideLayout FitSlideLayout(SlideLayout layout, int areaWidthTwips, int areaHeightTwips);

// SlideLayoutFor, fitted to the window's area everywhere but on the small screen, whose
// layout is measured to that screen already.
SlideLayout SlideLayoutFor(const Screen& screen, int areaWidthTwips, int areaHeightTwips);

}  // namespace velocarta
