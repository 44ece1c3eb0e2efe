#pragma once

#include <array>

namespace velocarta {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The positions of the main window's controls. The window measures in pixels; the year
// buttons and the Exit button lie in Frame1, whose inner coordinates are twips.
struct MainLayout {
    // Pixels, in the window.
    Rect panYear;
    Rect panPhoto;
    Rect spinButton;
    Rect txtFile;
    Rect image4;
    Rect frame1;
    // The topic buttons, in the order they are placed one after the other.
    Rect desc, options, stats, colors, script, emblem, clipArt, ad, nostalgia;
    // Twips, inside Frame1; index 1 .. 37 (0 unused).
    std::array<Rect, 38> yearButtons;
    Rect exit;
};

// The designed layout, for an 800 by 600 screen.
MainLayout DesignLayout();

// The layout for every screen that is not exactly 800 by 600 pixels: a smaller photo with
// the year buttons right under it, narrower year and topic buttons.
MainLayout RelayoutForOtherScreen(MainLayout layout);

// The details box over the photo: 329 by 106 pixels, its right edge 10 pixels inside the
// Advertisement button's right edge, 9 pixels below the photo's top.
Rect DetailsBoxPlace(const MainLayout& layout);

inline constexpr int kTwipsPerPixel = 15;

}  // namespace velocarta
