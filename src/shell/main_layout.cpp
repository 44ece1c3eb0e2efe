#include "shell/main_layout.h"

namespace velocarta {

namespace {

// Year buttons as designed (twips inside Frame1, every button 375 high): 1964 and 1983
// start the two rows with wide buttons; 2000 ends the second row.
Rect DesignYearButton(int index) {
    constexpr int kHeight = 375;
    if (index == 1) {
        return {120, 0, 855, kHeight};
    }
    if (index <= 19) {
        const int width = (index >= 9 && index <= 15) ? 630 : 615;
        return {960 + 600 * (index - 2), 0, width, kHeight};
    }
    if (index == 20) {
        return {120, 360, 855, kHeight};
    }
    if (index <= 36) {
        return {960 + 600 * (index - 21), 360, 615, kHeight};
    }
    return {10560, 360, 615, kHeight};
}

}  // namespace

MainLayout DesignLayout() {
    MainLayout layout;
    layout.panYear = {8, 4, 292, 30};
    layout.panPhoto = {308, 4, 50, 30};
    layout.spinButton = {360, 4, 40, 30};
    layout.txtFile = {408, 7, 120, 24};

    // The topic buttons fill one row under the caption strip.
    constexpr int kRowTop = 38;
    constexpr int kRowHeight = 28;
    int left = 8;
    auto next = [&left](int width) {
        const Rect rect{left, kRowTop, width, kRowHeight};
        left += width;
        return rect;
    };
    layout.desc = next(90);
    layout.options = next(84);
    layout.stats = next(84);
    layout.colors = next(84);
    layout.script = next(84);
    layout.emblem = next(84);
    layout.clipArt = next(84);
    layout.ad = next(98);
    layout.nostalgia = next(90);

    layout.image4 = {8, 70, 784, 412};
    layout.frame1 = {0, layout.image4.bottom() + 4, 800, 52};
    for (int index = 1; index <= 37; ++index) {
        layout.yearButtons[index] = DesignYearButton(index);
    }
    layout.exit = {11220, 360, 555, 375};
    return layout;
}

MainLayout RelayoutForOtherScreen(MainLayout layout) {
    // The photo, and the year buttons right under it.
    layout.image4.width = 620;
    layout.image4.height = 356;
    layout.frame1.top = layout.image4.top + layout.image4.height - 10;

    // Year buttons (twips): the two wide first buttons, then 480 twips each.
    layout.yearButtons[1].width = 630;
    layout.yearButtons[20].width = 630;
    for (int index = 2; index <= 19; ++index) {
        layout.yearButtons[index].width = 480;
        layout.yearButtons[index].left = index * 480 - 220;
    }
    for (int index = 21; index <= 37; ++index) {
        layout.yearButtons[index].width = 480;
        layout.yearButtons[index].left = (index - 19) * 480 - 220;
    }

    // Narrower topic buttons (pixels).
    layout.desc.width -= 7;
    for (Rect* button : {&layout.options, &layout.stats, &layout.colors, &layout.script,
                         &layout.emblem, &layout.clipArt}) {
        button->width -= 24;
    }
    layout.ad.width -= 10;
    layout.nostalgia.width -= 20;

    // Exit takes the place of 1982's button, under it in the second row.
    layout.exit.width = layout.yearButtons[19].width;
    layout.exit.left = layout.yearButtons[19].left;

    // Description moves 4 to the left; each following button starts where the one before
    // it ends.
    layout.desc.left -= 4;
    Rect* previous = &layout.desc;
    for (Rect* button : {&layout.options, &layout.stats, &layout.colors, &layout.script,
                         &layout.emblem, &layout.clipArt, &layout.ad, &layout.nostalgia}) {
        button->left = previous->left + previous->width;
        previous = button;
    }
    return layout;
}

Rect DetailsBoxPlace(const MainLayout& layout) {
    constexpr int kWidth = 329;
    constexpr int kHeight = 106;
    return {layout.ad.left + layout.ad.width - kWidth - 10, layout.image4.top + 9, kWidth, kHeight};
}

}  // namespace velocarta
