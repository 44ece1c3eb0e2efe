#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "content/catalogue.h"
#include "content/step_state.h"
#include "platform/prompter.h"

namespace velocarta {

// Leaving the slide show. Exit on the button bar hands the photo on show to the main window
// so that it continues at that photo's year; cmdExit closes without a hand-over.

// What the show knows when Exit is pressed.
struct HandBackInput {
    int photoIndex = 0;            // the show's PhotoIndex
    bool playing = false;          // the show is playing (Pause is enabled)
    int photoOnScreen = 0;         // the entry whose picture the show has on screen, 0 for none
    std::string_view showCaption;  // the show's panYear caption
    std::string_view mainCaption;  // the main window's panYear caption
};

// The photo Exit hands over: the one on screen. Before any picture was shown it is
// PhotoIndex (stopped) or the photo before it (playing), and at least photo 1. 0 when the
// catalogue holds no photo.
int PhotoToHandBack(const HandBackInput& input, int photoCount);

// What the main window must set. Apply in this order: the photo and its texts, then
// SetTopicButtons (which closes the show and the text viewer), then the buttons, focus and
// state below.
struct HandBack {
    enum class Kind {
        // Nothing to take over: the main window shows nothing yet ("panYear") or there is no
        // photo at all. Run SetTopicButtons only; set PhotoIndex (stepsAfter).
        RefreshOnly,
        // The full hand-over.
        Photo,
    };
    Kind kind = Kind::RefreshOnly;

    // Photo only: Image4 shows `photo` (CurrentPhotoPath = its path); panPhoto reads its
    // number within its year; panYear takes the show's caption and is shown, and so is the
    // main window's Image1; txtFile holds the file name (its visibility is not changed).
    int photo = 0;
    std::string currentPhotoPath;
    std::string photoNumber;
    std::string yearCaption;
    std::string fileName;

    // Photo only, after SetTopicButtons: cmdStats's caption ("Engines" or "Details"); for
    // topics cmdOptions, cmdColors, cmdScript, cmdEmblem, cmdAd and cmdNostalgia are
    // disabled, and some enable cmdDesc; the focus goes to a year button; YearButtonIndex
    // and YearCode take these values.
    std::string statsCaption;
    bool enableDesc = false;
    bool disableYearButtons = false;  // the six buttons that only a model year has
    int focusButton = 1;
    int yearButtonIndex = 0;
    std::string yearCode;

    // Both kinds: the PhotoIndex the main window's photo steps continue from (one below the
    // photo handed over, as a backward step leaves it).
    int photoIndex = 0;
    // Photo only: SlideShowActive is lowered.
    bool clearSlideShowActive = false;

    // The main window's photo-step state after the hand-over. A hand-over leaves it as a
    // backward step onto the photo would, so that the next step forward shows the photo
    // after it and the next step back the one before it.
    StepState stepsAfter(const StepState& before) const;
};

HandBack DecideHandBack(const PhotoCatalogue& catalogue, const HandBackInput& input);

// Closing the show window (Form_QueryUnload): while SlideShowActive is lowered the user is
// asked first, and only OK closes. Nothing to ask while it is raised.
std::optional<Message> SlideCloseQuestion(bool slideShowActive);
bool SlideCloseConfirmed(Answer answer);

}  // namespace velocarta
