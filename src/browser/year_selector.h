#pragma once

#include <string>
#include <string_view>

namespace velocarta {

// How a pick shows its year or topic.
enum class ShowBy { ChooseYear, ShowDetailsTopic };

// The next year or topic of the photo-click cycle: 1964 .. 2000, the four special
// editions, the seven merchandise topics, and back to "1964 ".
struct PhotoClickAdvance {
    std::string caption;
    int next = 0;  // the new YearButtonIndex
    ShowBy showBy = ShowBy::ChooseYear;
    int focusButton = 0;
};
PhotoClickAdvance DecidePhotoClick(std::string_view caption, int yearButtonIndex);

// What a key pressed on a focused year button does.
enum class YearKeyAction { Nothing, PreviousPhoto, NextPhoto, Pick };
// keyCode: 188 comma, 190 period, 32 space.
YearKeyAction DecideYearKey(int keyCode, bool yearPicked);

inline constexpr int kKeyComma = 188;
inline constexpr int kKeyPeriod = 190;
inline constexpr int kKeySpace = 32;

}  // namespace velocarta
