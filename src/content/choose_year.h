#pragma once

#include <string>
#include <string_view>

#include "content/catalogue.h"

namespace velocarta {

// A button state the decision sets, or leaves as it was.
enum class Switch { Keep, On, Off };

// The topic buttons of the main window, by what they open.
struct TopicButtonStates {
    Switch desc = Switch::Keep;
    Switch stats = Switch::Keep;
    Switch options = Switch::Keep;
    Switch colors = Switch::Keep;
    Switch script = Switch::Keep;
    Switch emblem = Switch::Keep;
    Switch ad = Switch::Keep;
    Switch nostalgia = Switch::Keep;
    Switch clipArt = Switch::Keep;
    friend bool operator==(const TopicButtonStates&, const TopicButtonStates&) = default;
};

// What the main window does for the caption on show when its topic buttons are refreshed:
// after a pick, and after a slide show.
struct TopicButtonsDecision {
    // "panYear": nothing is on show yet, so only the Description button is touched.
    bool nothingChosen = false;
    // The spin button, the photo number and the year caption become visible.
    bool showPhotoControls = false;
    TopicButtonStates buttons;
    // Topics without emblem, script or clip art hide all three picture boxes...
    bool hidePictureBoxes = false;
    // ... the Dorran edition only the clip art.
    bool hideClipArt = false;
    // The picture boxes that are open are filled again for the caption on show.
    bool reloadOpenPictures = false;
    // Year buttons 1 to 36 are enabled again (one may have been disabled by the first click).
    bool enableYearButtons = false;
    // Always: the main window is enabled, the slide show's refresh flag is lowered, and the
    // slide show and the text viewer are closed.
};

TopicButtonsDecision DecideTopicButtons(std::string_view caption);

// What choosing the year or topic of the year-panel caption does.
struct ChooseYearDecision {
    // The code the picture boxes are filled with: characters 3 and 4 of the caption.
    std::string pictureCode;
    TopicButtonsDecision topicButtons;
    std::string statsCaption;  // "Engines" or "Details"
    std::string yearCode;      // the final code, whose photos are shown
    // The first photo of the code; count() + 1 when there is none, which is reported as
    // "ER023" with the photo hidden.
    int photoIndex = 0;
    bool photoFound = false;
};

ChooseYearDecision DecideChooseYear(std::string_view caption, const PhotoCatalogue& catalogue);

}  // namespace velocarta
