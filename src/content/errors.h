#pragma once

#include <string>
#include <string_view>

#include "platform/prompter.h"

namespace velocarta {

// The body of a numbered message ("ER001" .. "ER056"); every body begins with a blank and
// keeps its doubled and trailing blanks. A code that is not in the table has an empty body.
std::string_view ErrorBody(std::string_view code);

// "Error number: " + code, two line breaks and the body, then (except for the two input
// errors of the booklet dialog) two line breaks and the line about the disc. A reason (what
// a service said of its failure) goes in a paragraph of its own after the body.
std::string ComposeErrorMessage(std::string_view code, std::string_view reason = {});

// How a numbered message is shown and what follows it.
struct ErrorReport {
    Message message;
    // The content the program cannot run without: Retry repeats the failed step, Cancel
    // ends the program at once.
    bool offersRetry = false;
    // The year button that takes the focus after the box, 0 for none.
    int focusButton = 0;
    // The main window is enabled again after the box.
    bool enableMainWindow = false;
};

// failurePending: the report comes from a trapped failure rather than from a lookup that
// found nothing; only the latter moves the focus.
ErrorReport DecideErrorReport(std::string_view code, bool failurePending, int yearButtonIndex,
                              std::string_view reason = {});

// The focus rule: the year button after the one on show, button 1 after 2000 (37) and
// when nothing is on show (0).
int NextYearButton(int yearButtonIndex);

}  // namespace velocarta
