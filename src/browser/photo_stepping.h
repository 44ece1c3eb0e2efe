#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "content/catalogue.h"
#include "content/step_state.h"

namespace velocarta {

// What a step asks of the window after its state changes.
struct StepOutcome {
    enum class Kind {
        NothingPicked,  // no year on show: only year button 1 is enabled and focused
        NoPhotos,       // the year or topic has no photo: nothing happens
        Shown,          // a photo was shown
        Failed,         // showing the photo failed: the step's error is reported
    };
    Kind kind = Kind::NothingPicked;
    int shownIndex = 0;  // the entry that was (or failed to be) shown
    // After a photo of a topic or of 2000: year button 1 is enabled and focused, and an
    // open Details text follows the photo. Else the focus goes to this year button.
    bool topicFocus = false;
    int focusButton = 0;
};

// Shows catalogue entry k; false when the photo cannot be shown.
using ShowEntry = std::function<bool(int k)>;

// The forward step through the photos of yearCode, wrapping from the last to the first.
// yearCaption is the year panel's caption ("panYear" while nothing is picked).
StepOutcome NextPhoto(StepState& state, const PhotoCatalogue& catalogue,
                      std::string_view yearCaption, std::string_view yearCode,
                      const ShowEntry& show);

// The backward step, wrapping from the first photo to the last. A photo that cannot be
// shown is reported, and the step still moves the focus and its bookkeeping.
StepOutcome PreviousPhoto(StepState& state, const PhotoCatalogue& catalogue,
                          std::string_view yearCaption, std::string_view yearCode,
                          const ShowEntry& show);

// The year button that takes the focus after a photo of yearCode: the button of the year
// after it, or 1 (after 2000 and every topic, whose codes sort after "9").
bool IsTopicOr2000Code(std::string_view yearCode);
int FocusButtonAfterPhoto(std::string_view yearCode);

}  // namespace velocarta
