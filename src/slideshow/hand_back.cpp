#include "slideshow/hand_back.h"

#include <algorithm>
#include <array>

#include "browser/photo_stepping.h"
#include "content/naming.h"
#include "slideshow/slide_captions.h"

namespace velocarta {

namespace {

// Topics whose Description stays as SetTopicButtons left it.
constexpr std::array<std::string_view, 6> kDetailsTopics{
    "Vantrel Postage Stamps ",   "Vantrel Metal Signs ", "Vantrel Kite I ",
    "Early Vantrel Prototypes ", "Vantrel Cookies ",     "The Vantrel Monopoly Game "};
// Topics whose Description is enabled again.
constexpr std::array<std::string_view, 5> kDescribedTopics{
    "Vantrel Kite III ", "Vantrel Super Stravon ", "Danbury Mint Die Cast Models ",
    "Franklin Mint Die Cast Models ", "Franklin Mint Collector Knives "};
// Captions that only move the focus to the first year button.
constexpr std::array<std::string_view, 2> kFocusOnlyCaptions{"2000", "The Classic Dorran "};

template <std::size_t N>
bool IsOneOf(std::string_view caption, const std::array<std::string_view, N>& captions) {
    return std::find(captions.begin(), captions.end(), caption) != captions.end();
}

std::string YearCodeOfCaption(std::string_view caption) {
    if (const ArtPrint* print = FindArtPrintByCaption(caption)) {
        return std::string(print->code);
    }
    return CaptionToYearCode(caption);
}

// A model year's code "64" .. "99"; 0 for anything else.
int ModelYear(std::string_view code) {
    if (code.size() != 2 || code[0] < '6' || code[0] > '9' || code[1] < '0' || code[1] > '9') {
        return 0;
    }
    const int year = (code[0] - '0') * 10 + (code[1] - '0');
    return year >= 64 ? year : 0;
}

void SetButtons(HandBack& handBack) {
    const std::string_view caption = handBack.yearCaption;
    handBack.statsCaption = "Engines";
    handBack.yearButtonIndex = 0;
    handBack.focusButton = 1;
    // Art prints are shown like the topics of the Artwork menu: Details, no year buttons.
    if (IsOneOf(caption, kDetailsTopics) || FindArtPrintByCaption(caption) != nullptr) {
        handBack.statsCaption = "Details";
        handBack.disableYearButtons = true;
        return;
    }
    if (IsOneOf(caption, kDescribedTopics)) {
        handBack.enableDesc = true;
        handBack.statsCaption = "Details";
        handBack.disableYearButtons = true;
        return;
    }
    if (IsOneOf(caption, kFocusOnlyCaptions)) {
        return;
    }
    // A model year: the focus goes to the button after the year's own (1964 is button 1).
    if (const int year = ModelYear(handBack.yearCode); year != 0) {
        handBack.focusButton = FocusButtonAfterPhoto(handBack.yearCode);
        handBack.yearButtonIndex = year - 63;
    }
}

}  // namespace

int PhotoToHandBack(const HandBackInput& input, int photoCount) {
    if (photoCount < 1) {
        return 0;
    }
    if (input.photoOnScreen >= 1 && input.photoOnScreen <= photoCount) {
        return input.photoOnScreen;
    }
    // Stopped, PhotoIndex names the photo on show; playing, the next one.
    const int named = std::max(input.playing ? input.photoIndex : input.photoIndex + 1, 2) - 1;
    return std::min(named, photoCount);
}

StepState HandBack::stepsAfter(const StepState& before) const {
    StepState after = before;
    after.photoIndex = photoIndex;
    if (kind == Kind::Photo) {
        after.lastPhotoIndex = photo;
        after.firstPhotoOnShow = false;
        after.steppedForward = false;
        after.steppedBack = true;
    }
    return after;
}

HandBack DecideHandBack(const PhotoCatalogue& catalogue, const HandBackInput& input) {
    HandBack handBack;
    handBack.photoIndex = input.photoIndex;
    const int photo = PhotoToHandBack(input, catalogue.count());
    if (input.mainCaption == kNothingChosen || photo == 0) {
        return handBack;
    }
    handBack.kind = HandBack::Kind::Photo;
    handBack.photo = photo;
    handBack.currentPhotoPath = catalogue.path(photo);
    handBack.photoNumber = std::to_string(catalogue.number(photo));
    handBack.fileName = catalogue.fileName(photo);
    // The caption on the show's panel names the photo on screen; a show that has shown no
    // picture yet still has the caption of the photo it started at.
    handBack.yearCaption = input.showCaption.empty() ? SlideYearCaption(catalogue, photo)
                                                     : std::string(input.showCaption);
    handBack.yearCode = YearCodeOfCaption(handBack.yearCaption);
    SetButtons(handBack);
    handBack.photoIndex = photo - 1;
    handBack.clearSlideShowActive = true;
    return handBack;
}

std::optional<Message> SlideCloseQuestion(bool slideShowActive) {
    if (slideShowActive) {
        return std::nullopt;
    }
    return Message{"Exit The Vantrel Velocarta?", kProductTitle, Buttons::OkCancel, Icon::Question};
}

bool SlideCloseConfirmed(Answer answer) {
    return answer == Answer::Ok;
}

}  // namespace velocarta
