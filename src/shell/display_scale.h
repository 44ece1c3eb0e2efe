#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/main_layout.h"

namespace velocarta {

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// How large the program draws itself: fitted to the screen, or a factor the user chose.
// Everything is drawn at that size, so the layout rules see a screen that many times
// smaller than the real one.
struct ScaleChoice {
    bool fitted = true;
    double factor = 1.0;  // when not fitted
    friend bool operator==(const ScaleChoice&, const ScaleChoice&) = default;
};

inline constexpr double kSmallestScale = 0.5;
inline constexpr double kLargestScale = 8.0;

// "fit", or a factor from 0.5 to 8 such as "2" or "1.5"; surrounding blanks are allowed.
// Nothing for anything else.
std::optional<ScaleChoice> ParseScale(std::string_view text);

// What a valid scale looks like, for messages about an invalid one.
inline constexpr std::string_view kScaleExpected = "\"fit\" or a number from 0.5 to 8";

// The screen the design was made for: its own layout fills it exactly.
inline constexpr Size kDesignScreen{800, 600};

// The size of the surface the main window places its controls on, for a layout: as far
// right as the controls and year buttons reach, as far down as the frame of the year
// buttons, with the margins the window keeps around them.
Size SurfaceSize(const MainLayout& layout);

// What the fitted scale makes fill the screen: the surface of the layout for screens other
// than 800 by 600 (the only one a scaled screen can have but by chance), with room above
// it for the menu bar.
Size DesignedArea();

// The fitted scale for a screen of `screen` pixels of which `available` are free for
// windows (without panels and docks): the designed area as large as fits into 95% of
// the available area, leaving room for the window's title bar and frame, in steps of
// 0.05. Screens no larger than the design screen in one direction keep the designed size,
// as does a screen too small for the designed area.
double FittedScale(Size screen, Size available, Size designedArea = DesignedArea());

// The factor to draw with, for a choice on a screen.
double ScaleFor(const ScaleChoice& choice, Size screen, Size available);

// A factor as the environment variable QT_SCALE_FACTOR takes it, to four decimals ("2.05",
// "1.5", "2").
std::string ScaleText(double factor);

}  // namespace velocarta
