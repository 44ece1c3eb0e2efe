#include "slideshow/slide_layout.h"

#include <algorithm>

#include "content/utilities.h"

namespace velocarta {

namespace {

// twips * numerator / denominator, rounded to whole twips with halves to even. Exact
// integer arithmetic: 0.795 and 0.78 have no exact binary form, and a half would round
// either way.
int Scaled(int twips, long long numerator, long long denominator) {
    const long long product = static_cast<long long>(twips) * numerator;
    long long quotient = product / denominator;
    const long long twiceRest = 2 * (product % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) {
        ++quotient;
    } else if (twiceRest < -denominator || (twiceRest == -denominator && quotient % 2 != 0)) {
        --quotient;
    }
    return static_cast<int>(quotient);
}

void PlaceAfter(Rect& control, const Rect& before) {
    control.left = before.left + before.width;
}

}  // namespace

SlideLayout SlideDesignLayout() {
    SlideLayout layout;
    layout.image1 = {120, 120, 11640, 7080};
    // The middle row: 240 twips high, so that the bar fits right under it on a small screen.
    layout.panYear = {120, 7320, 3000, 240};
    layout.ssCommand1 = {3720, 7320, 1500, 240};
    layout.ssCommand2 = {5220, 7320, 1500, 240};
    layout.mmSlide = {3720, 7560, 3360, 360};
    layout.spinInterval = {9960, 7320, 255, 400};
    layout.panInterval = {10215, 7320, 1545, 240};
    layout.pnlCoStar = {60, 8040, 4260, 240};
    layout.statusDate = {4320, 8040, 1800, 240};
    layout.statusDay = {6120, 8040, 1800, 240};
    layout.statusTime = {7920, 8040, 1800, 240};
    layout.cmdExit = {10080, 8040, 1680, 240};
    return layout;
}

SlideLayout SmallScreenSlideLayout(SlideLayout layout, int screenWidthTwips) {
    layout.image1.width = Scaled(layout.image1.width, 795, 1000);
    layout.image1.height = Scaled(layout.image1.height, 78, 100);

    for (Rect* control : {&layout.panYear, &layout.ssCommand1, &layout.ssCommand2,
                          &layout.panInterval, &layout.spinInterval}) {
        control->top = 5900;
    }
    for (Rect* control : {&layout.pnlCoStar, &layout.statusDate, &layout.statusTime,
                          &layout.statusDay, &layout.cmdExit}) {
        control->top = 6500;
    }

    layout.pnlCoStar.width = 3500;
    layout.statusDate.width = 1500;
    layout.statusDay.width = 1500;
    layout.statusTime.width = 1500;
    layout.cmdExit.width = 1400;
    PlaceAfter(layout.statusDate, layout.pnlCoStar);
    PlaceAfter(layout.statusDay, layout.statusDate);
    PlaceAfter(layout.statusTime, layout.statusDay);
    PlaceAfter(layout.cmdExit, layout.statusTime);

    layout.ssCommand1.width = 1377;
    layout.ssCommand2.width = 1377;
    layout.ssCommand1.left -= 400;
    PlaceAfter(layout.ssCommand2, layout.ssCommand1);

    layout.mmSlide.top = 6140;
    layout.mmSlide.left = layout.ssCommand1.left;
    layout.mmSlide.width = 2736;

    layout.panInterval.left = screenWidthTwips - layout.panInterval.width - 140;
    layout.spinInterval.left = layout.panInterval.left - layout.spinInterval.width;
    layout.spinInterval.height = Scaled(layout.spinInterval.height, 6, 10);
    return layout;
}

SlideLayout FitSlideLayout(SlideLayout layout, int areaWidthTwips, int areaHeightTwips) {
    const Rect& photo = layout.image1;
    int right = 0;
    int bottom = 0;
    for (const Rect* control :
         {&layout.image1, &layout.panYear, &layout.ssCommand1, &layout.ssCommand2, &layout.mmSlide,
          &layout.panInterval, &layout.spinInterval, &layout.pnlCoStar, &layout.statusDate,
          &layout.statusDay, &layout.statusTime, &layout.cmdExit}) {
        right = std::max(right, control->right());
        bottom = std::max(bottom, control->bottom());
    }
    const int extraWidth = std::max(0, areaWidthTwips - (right + photo.left));
    const int extraHeight = std::max(0, areaHeightTwips - (bottom + photo.top));
    layout.image1.width += extraWidth;
    layout.image1.height += extraHeight;
    for (Rect* control :
         {&layout.panYear, &layout.ssCommand1, &layout.ssCommand2, &layout.mmSlide,
          &layout.panInterval, &layout.spinInterval, &layout.pnlCoStar, &layout.statusDate,
          &layout.statusDay, &layout.statusTime, &layout.cmdExit}) {
        control->left += extraWidth / 2;
        control->top += extraHeight;
    }
    return layout;
}

SlideLayout SlideLayoutFor(const Screen& screen, int areaWidthTwips, int areaHeightTwips) {
    if (ScreenIs(screen, 640, 480)) {
        return SlideLayoutFor(screen);
    }
    return FitSlideLayout(SlideDesignLayout(), areaWidthTwips, areaHeightTwips);
}

SlideLayout SlideLayoutFor(const Screen& screen) {
    if (ScreenIs(screen, 640, 480)) {
        return SmallScreenSlideLayout(SlideDesignLayout(), 640 * kTwipsPerPixel);
    }
    return SlideDesignLayout();
}

}  // namespace velocarta
