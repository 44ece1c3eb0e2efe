#pragma once

#include <string>

#include "platform/prompter.h"
#include "platform/screen.h"

namespace velocarta {

// A number as the display check writes it: a blank before a number that is not negative,
// a minus sign before one that is, and decimals only for a fractional value, without a
// zero before the point (" 800", " 682.666666666667", " .5", "-3").
std::string NumberText(double value);

// What "Check Screen Resolution" tells the user: a short note on a screen of exactly 800
// by 600 pixels, otherwise the screen's size and the steps to change it. The size is the
// screen's width and height in twips at 15 twips a pixel, so that a screen with large fonts
// shows fewer pixels than it has.
Message ScreenResolutionMessage(const Screen& screen);

}  // namespace velocarta
