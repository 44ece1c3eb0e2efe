#include "slideshow/delay_ring.h"

#include <algorithm>

namespace velocarta {

namespace {

constexpr int kSecond = 1000;
// Above this the ring moves in steps of five seconds.
constexpr int kLastSingleSecond = 5000;
constexpr int kWideStep = 5000;

}  // namespace

int StepPhotoDelay(int delayMs, SpinDirection direction) {
    if (direction == SpinDirection::Up) {
        if (delayMs == kLongestPhotoDelay) {
            return kOpeningPhotoDelay;
        }
        if (delayMs >= kSecond && delayMs < kLastSingleSecond) {
            return delayMs + kSecond;
        }
        return std::clamp(delayMs + kWideStep, kSecond, kLongestPhotoDelay);
    }
    if (delayMs == kOpeningPhotoDelay) {
        return kLongestPhotoDelay;
    }
    if (delayMs > kSecond && delayMs <= kLastSingleSecond) {
        return delayMs - kSecond;
    }
    return std::clamp(delayMs - kWideStep, kSecond, kLongestPhotoDelay);
}

std::string DelaySecondsText(int delayMs) {
    return std::to_string(delayMs / kSecond);
}

std::string SlideDelayCaption(int delayMs) {
    return DelaySecondsText(delayMs) + " seconds";
}

std::string ScreenSaverDelayCaption(int delayMs) {
    return DelaySecondsText(delayMs) + " Seconds";
}

}  // namespace velocarta
