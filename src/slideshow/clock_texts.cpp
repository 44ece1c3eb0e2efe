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

std::string DateSeparatorOf(std::string_view shortDateFormat) {
    auto isField = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    std::size_t start = 0;
    while (start < shortDateFormat.size() && isField(shortDateFormat[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < shortDateFormat.size() && !isField(shortDateFormat[end]) &&
           shortDateFormat[end] != '\'') {
        ++end;
    }
    std::string_view separator = shortDateFormat.substr(start, end - start);
    const std::size_t first = separator.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return "/";
    }
    separator = separator.substr(first, separator.find_last_not_of(' ') - first + 1);
    return std::string(separator);
}

}  // namespace velocarta
