#include "shell/display_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "content/text.h"

namespace velocarta {

namespace {

// The last pixel of a rectangle given in twips, as the window places it (rounded to the
// nearest pixel).
int LastPixelOfTwips(const Rect& rect) {
    return (rect.right() + kTwipsPerPixel / 2) / kTwipsPerPixel - 1;
}

// The menu bar's height in its usual fonts is 19 to 24 pixels.
constexpr int kMenuBarRoom = 24;
// The rest of the available area is for the title bar and the window's frame.
constexpr double kFill = 0.95;
constexpr double kStepsPerUnit = 20;

}  // namespace

std::optional<ScaleChoice> ParseScale(std::string_view text) {
    text = TrimBlanks(text);
    if (text == "fit") {
        return ScaleChoice{};
    }
    double factor = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), factor, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !(factor >= kSmallestScale && factor <= kLargestScale)) {
        return std::nullopt;
    }
    return ScaleChoice{false, factor};
}

Size SurfaceSize(const MainLayout& layout) {
    // Last pixels, as the window counts them.
    int right = 0;
    int bottom = layout.frame1.bottom() - 1;
    for (const Rect* rect :
         {&layout.panYear, &layout.panPhoto, &layout.spinButton, &layout.txtFile, &layout.image4,
          &layout.desc, &layout.options, &layout.stats, &layout.colors, &layout.script,
          &layout.emblem, &layout.clipArt, &layout.ad, &layout.nostalgia}) {
        right = std::max(right, rect->right() - 1);
        bottom = std::max(bottom, rect->bottom() - 1);
    }
    for (int index = 1; index <= 37; ++index) {
        right = std::max(right, layout.frame1.left + LastPixelOfTwips(layout.yearButtons[index]));
    }
    right = std::max(right, layout.frame1.left + LastPixelOfTwips(layout.exit));
    return {right + 9, bottom + 5};
}

Size DesignedArea() {
    const Size surface = SurfaceSize(RelayoutForOtherScreen(DesignLayout()));
    return {surface.width, surface.height + kMenuBarRoom};
}

double FittedScale(Size screen, Size available, Size designedArea) {
    if (screen.width <= kDesignScreen.width || screen.height <= kDesignScreen.height ||
        designedArea.width <= 0 || designedArea.height <= 0) {
        return 1.0;
    }
    const double fit =
        kFill * std::min(static_cast<double>(available.width) / designedArea.width,
                         static_cast<double>(available.height) / designedArea.height);
    return std::max(1.0, std::floor(fit * kStepsPerUnit) / kStepsPerUnit);
}

double ScaleFor(const ScaleChoice& choice, Size screen, Size available) {
    return choice.fitted ? FittedScale(screen, available) : choice.factor;
}

std::string ScaleText(double factor) {
    // Four decimals at most, in every locale.
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, std::round(factor * 1e4) / 1e4);
    return {text, result.ptr};
}

}  // namespace velocarta
