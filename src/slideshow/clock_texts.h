#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velocarta {

// A local date and time as the slide show's clock shows it.
struct CivilTime {
    int year = 2000;
    int month = 1;  // 1 .. 12
    int day = 1;    // 1 .. 31
    int hour = 0;   // 0 .. 23
    int minute = 0;
    int second = 0;
    int weekday = 0;  // 0 Sunday .. 6 Saturday
};

// The user's way of writing dates: the separator between month, day and year, and the full
// names of the weekdays from Sunday on (English unless the window passes the locale's).
struct ClockLocale {
    std::string dateSeparator = "/";
    std::array<std::string, 7> weekdayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
};

// The three read-outs of the clock. They change once a second, so a window that polls the
// time often only needs to repaint when they differ from the last ones.
struct ClockTexts {
    std::string time;  // StatusTime: "hh:mm:ss am/pm", 12-hour ("12:05:09 am" after midnight)
    std::string date;  // StatusDate: "mm/dd/yy" with the user's separator
    std::string day;   // StatusDay: the full weekday name
    friend bool operator==(const ClockTexts&, const ClockTexts&) = default;
};

std::string ClockTimeText(const CivilTime& time);
std::string ClockDateText(const CivilTime& time, std::string_view separator);
std::string ClockDayText(const CivilTime& time, const ClockLocale& locale);
ClockTexts FormatClock(const CivilTime& time, const ClockLocale& locale);

// The separator a short date format puts between its fields: "M/d/yy" gives "/",
// "dd.MM.yyyy" ".", "yyyy-MM-dd" "-"; blanks beside a mark are dropped ("d. M. yyyy" gives
// "."). "/" for a format without a mark between its first fields, such as the C locale's
// "d MMM yyyy", whose blank would leave the numbers of the date run together.
std::string DateSeparatorOf(std::string_view shortDateFormat);

}  // namespace velocarta
