#include "content/choose_year.h"

#include <algorithm>
#include <array>

#include "content/naming.h"

namespace velocarta {

namespace {

struct ButtonRow {
    std::array<std::string_view, 3> captions;
    TopicButtonStates states;
};

constexpr Switch On = Switch::On;
constexpr Switch Off = Switch::Off;

// Which topic buttons a topic has. Captions in no row (every year, and the Dorran edition)
// keep all of them.        desc stats opts colors script emblem ad  nostalgia clipart
const std::array<ButtonRow, 7> kButtonRows{{
    {{"Early Vantrel Prototypes "}, {Off, On, Off, Off, Off, Off, Off, Off, Off}},
    {{"Vantrel Kite I "}, {Off, On, Off, Off, Off, Off, Off, Off, Off}},
    {{"Vantrel Cookies "}, {Off, Off, Off, Off, Off, Off, Off, Off, Off}},
    {{"Vantrel Metal Signs ", "Vantrel Super Stravon ", "Vantrel Kite III "},
     {On, On, Off, Off, Off, Off, Off, Off, Off}},
    {{"Franklin Mint Die Cast Models ", "Danbury Mint Die Cast Models "},
     {On, On, Off, Off, Off, Off, Off, Off, Off}},
    {{"Vantrel Postage Stamps "}, {On, Off, Off, Off, Off, Off, Off, Off, Off}},
    {{"The Vantrel Monopoly Game ", "Franklin Mint Collector Knives "},
     {On, Off, Off, Off, Off, Off, Off, Off, Off}},
}};

// Topics that have no emblem, script or clip art. "Vantrel Prototypes " (without "Early")
// is not a caption any menu sets, so the prototypes keep their picture boxes and load the
// prototype emblem and script.
constexpr std::array<std::string_view, 11> kWithoutPictures{
    "Vantrel Prototypes ",
    "Vantrel Kite I ",
    "Vantrel Kite III ",
    "Vantrel Super Stravon ",
    "Danbury Mint Die Cast Models ",
    "Franklin Mint Collector Knives ",
    "Franklin Mint Die Cast Models ",
    "Vantrel Metal Signs ",
    "Vantrel Cookies ",
    "The Vantrel Monopoly Game ",
    "Vantrel Postage Stamps ",
};

// Editions and topics whose Stats button reads "Details".
constexpr std::array<std::string_view, 7> kDetailsCaptions{
    "Early Vantrel Prototypes ",
    "The Classic Dorran ",
    "Vantrel Kite I ",
    "Vantrel Kite III ",
    "Vantrel Super Stravon ",
    "Vantrel Postage Stamps ",
    "Danbury Mint Die Cast Models ",
};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view caption) {
    // Rows that name fewer captions leave the rest of their array empty.
    return !caption.empty() && std::find(list.begin(), list.end(), caption) != list.end();
}

}  // namespace

TopicButtonsDecision DecideTopicButtons(std::string_view caption) {
    TopicButtonsDecision decision;
    decision.buttons.desc = Switch::On;
    if (caption == kNothingChosen) {
        decision.nothingChosen = true;
        return decision;
    }
    decision.showPhotoControls = true;
    decision.buttons = {On, On, On, On, On, On, On, On, On};
    for (const ButtonRow& row : kButtonRows) {
        if (Contains(row.captions, caption)) {
            decision.buttons = row.states;
        }
    }
    decision.enableYearButtons = true;
    if (Contains(kWithoutPictures, caption)) {
        decision.hidePictureBoxes = true;
        return decision;
    }
    if (caption == "The Classic Dorran ") {
        decision.hideClipArt = true;
        decision.buttons.stats = Off;
        decision.buttons.desc = Off;
        decision.buttons.clipArt = Off;
        decision.buttons.nostalgia = Off;
    }
    decision.reloadOpenPictures = true;
    return decision;
}

ChooseYearDecision DecideChooseYear(std::string_view caption, const PhotoCatalogue& catalogue) {
    ChooseYearDecision decision;
    decision.pictureCode = CaptionYY(caption);
    decision.topicButtons = DecideTopicButtons(caption);
    decision.statsCaption = Contains(kDetailsCaptions, caption) ? "Details" : "Engines";
    decision.yearCode = CaptionToYearCode(caption);
    decision.photoIndex = catalogue.firstIndexOf(decision.yearCode);
    decision.photoFound = decision.photoIndex <= catalogue.count();
    return decision;
}

}  // namespace velocarta
