#pragma once

#include <string>
#include <string_view>

namespace velocarta {

// The delay per photo (PhotoDelay, milliseconds) walks a ring of 1, 2, 3, 4, 5, 10, 15 ...
// 55, 60 seconds: up from 60 seconds is 1 second, down from 1 second is 60. The slide show
// and the screen-saver panel step the same value with the same ring.

// The delay each opening of the slide show and of the screen-saver panel starts from.
inline constexpr int kOpeningPhotoDelay = 1000;
inline constexpr int kLongestPhotoDelay = 60000;

enum class SpinDirection { Up, Down };

// The delay after one step of a spin control. A value off the ring follows the ring's
// general rule (five seconds per step) and is never taken below 1 or above 60 seconds.
int StepPhotoDelay(int delayMs, SpinDirection direction);

// Whole seconds as plain text without a leading blank (15000 -> "15"); also the value the
// screen saver's settings store.
std::string DelaySecondsText(int delayMs);

// The slide show's delay read-out: " 1 second" when the show opens, then after every step
// the seconds followed by " seconds" (so one second reads "1 seconds").
inline constexpr std::string_view kOpeningSlideDelayCaption = " 1 second";
std::string SlideDelayCaption(int delayMs);

// The screen-saver panel's read-out after a step: the seconds followed by " Seconds".
std::string ScreenSaverDelayCaption(int delayMs);

}  // namespace velocarta
