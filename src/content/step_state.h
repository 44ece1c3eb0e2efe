#pragma once

namespace velocarta {

// Where the photo steps stand. PhotoIndex is 0 right after a pick, the photo on show after
// a forward step and one less than that after a backward step; the direction flags make
// the next step correct that by one. The main window and the slide show share it.
struct StepState {
    int photoIndex = 0;
    int lastPhotoIndex = 0;
    bool firstPhotoOnShow = false;  // the photo a pick showed is passed over once
    bool steppedForward = false;
    bool steppedBack = false;
    friend bool operator==(const StepState&, const StepState&) = default;
};

}  // namespace velocarta
