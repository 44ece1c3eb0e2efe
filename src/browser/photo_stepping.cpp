#include "browser/photo_stepping.h"

#include <optional>

#include "content/naming.h"

namespace velocarta {

namespace {

// What both steps do before anything changes: nothing picked only focuses the first
// button; a year or topic without photos has nothing to show (the design's scan would look
// for one forever).
std::optional<StepOutcome> BeforeStep(std::string_view yearCaption,
                                      const PhotoCatalogue::Run& run) {
    if (yearCaption == kNothingChosen) {
        return StepOutcome{StepOutcome::Kind::NothingPicked, 0, true, 1};
    }
    if (run.first > run.last) {
        return StepOutcome{StepOutcome::Kind::NoPhotos};
    }
    return std::nullopt;
}

StepOutcome Finish(StepOutcome outcome, std::string_view yearCode) {
    outcome.topicFocus = IsTopicOr2000Code(yearCode);
    outcome.focusButton = outcome.topicFocus ? 1 : FocusButtonAfterPhoto(yearCode);
    return outcome;
}

}  // namespace

bool IsTopicOr2000Code(std::string_view yearCode) {
    return !yearCode.empty() && static_cast<unsigned char>(yearCode[0]) > '9';
}

int FocusButtonAfterPhoto(std::string_view yearCode) {
    if (IsTopicOr2000Code(yearCode) || yearCode.size() != 2 || yearCode[0] < '0' ||
        yearCode[1] < '0' || yearCode[1] > '9') {
        return 1;
    }
    const int year = (yearCode[0] - '0') * 10 + (yearCode[1] - '0');
    // 65 gives button 3, the button of 1966; 99 gives 37, the button of 2000.
    const int button = year - 62;
    return button >= 1 && button <= 37 ? button : 1;
}

StepOutcome NextPhoto(StepState& state, const PhotoCatalogue& catalogue,
                      std::string_view yearCaption, std::string_view yearCode,
                      const ShowEntry& show) {
    const PhotoCatalogue::Run run = catalogue.runOf(yearCode);
    if (const auto early = BeforeStep(yearCaption, run)) {
        return *early;
    }
    if (state.steppedBack) {
        state.steppedBack = false;
        state.photoIndex += 1;
    }
    state.steppedForward = true;

    // Scan upwards from the entry after PhotoIndex; past the run, wrap to its start. The
    // photo a pick showed is passed over once.
    int next = state.photoIndex + 1;
    for (;;) {
        if (next < run.first) {
            next = run.first;
        }
        if (next > run.last) {
            next = run.first;
        }
        if (state.firstPhotoOnShow) {
            state.firstPhotoOnShow = false;
            next += 1;
            continue;
        }
        break;
    }
    state.photoIndex = next;
    if (!show(next)) {
        return {StepOutcome::Kind::Failed, next};
    }
    state.lastPhotoIndex = state.photoIndex;
    return Finish({StepOutcome::Kind::Shown, next}, yearCode);
}

StepOutcome PreviousPhoto(StepState& state, const PhotoCatalogue& catalogue,
                          std::string_view yearCaption, std::string_view yearCode,
                          const ShowEntry& show) {
    const PhotoCatalogue::Run run = catalogue.runOf(yearCode);
    if (const auto early = BeforeStep(yearCaption, run)) {
        return *early;
    }
    state.firstPhotoOnShow = false;
    if (state.steppedForward) {
        state.photoIndex -= 1;
    }
    state.steppedBack = true;

    // Scan downwards from PhotoIndex; below the run (or below 1), wrap to its last photo.
    int entry = state.photoIndex;
    if (entry < run.first || entry > run.last) {
        entry = run.last;
    }
    StepOutcome outcome{StepOutcome::Kind::Shown, entry};
    if (!show(entry)) {
        outcome.kind = StepOutcome::Kind::Failed;
    }
    // Past a photo that cannot be shown as well: otherwise every later backward step would
    // try the same photo again and the user could never get past it.
    state.photoIndex = entry - 1;
    state.lastPhotoIndex = state.photoIndex + 1;
    state.steppedForward = false;
    return Finish(outcome, yearCode);
}

}  // namespace velocarta
