#include "slideshow/clock_texts.h"

namespace velocarta {

namespace {

std::string TwoDigits(int value) {
    // Negative values do not occur in a clock; the modulo keeps them from breaking the
    // width all the same.
    const int n = ((value % 100) + 100) % 100;
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

std::string ClockTimeText(const CivilTime& time) {
    const int hour = ((time.hour % 24) + 24) % 24;
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return TwoDigits(hour12) + ":" + TwoDigits(time.minute) + ":" + TwoDigits(time.second) +
           (hour < 12 ? " am" : " pm");
}

std::string ClockDateText(const CivilTime& time, std::string_view separator) {
    const std::string sep(separator);
    return TwoDigits(time.month) + sep + TwoDigits(time.day) + sep + TwoDigits(time.year);
}

std::string ClockDayText(const CivilTime& time, const ClockLocale& locale) {
    const int weekday = ((time.weekday % 7) + 7) % 7;
    return locale.weekdayNames[static_cast<std::size_t>(weekday)];
}

ClockTexts FormatClock(const CivilTime& time, const ClockLocale& locale) {
    return {ClockTimeText(time), ClockDateText(time, locale.dateSeparator),
            ClockDayText(time, locale)};
}

}  // namespace velocarta
