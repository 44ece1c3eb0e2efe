#pragma once

#include "platform/screen.h"

namespace velocarta {

// Whether the screen is exactly width by height pixels at 15 twips a pixel: an 800 by 600
// screen with large fonts (12 twips a pixel) is not an 800 by 600 screen to the layout.
bool ScreenIs(const Screen& screen, long long width, long long height);

}  // namespace velocarta
