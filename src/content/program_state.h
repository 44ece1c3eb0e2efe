#pragma once

#include <string>

#include "content/catalogue.h"
#include "content/content_file.h"

namespace velocarta {

// Where the photo steps stand. PhotoIndex is 0 right after a pick, the photo on show after
// a forward step and one less than that after a backward step; the direction flags make
// the next step correct that by one.
struct StepState {
    int photoIndex = 0;
    int lastPhotoIndex = 0;
    bool firstPhotoOnShow = false;  // the photo a pick showed is passed over once
    bool steppedForward = false;
    bool steppedBack = false;
    friend bool operator==(const StepState&, const StepState&) = default;
};

// The state that the windows share for the whole run.
struct ProgramState {
    // Where the content lies. Roots never end in '/'.
    std::string contentPath;
    std::string photoRoot;
    std::string programFolder;
    // The program's command line; "HWI" reads everything from the program folder.
    std::string commandLine;
    bool hwi() const { return commandLine == "HWI"; }

    PhotoCatalogue photos;
    MovieList movies;

    // The year or topic on show (its caption is the year panel's) and the photo steps.
    std::string yearCode;
    StepState steps;
    std::string currentPhotoPath;
    bool showFileNames = false;

    // The year selector.
    int yearButtonIndex = 0;
    bool yearPicked = false;
    bool startupPending = false;
    bool slideShowDirty = false;

    // Errors and the text viewer.
    std::string errorCode;
    std::string errorMessage;
    ContentFile documentPath;
    std::string viewerCaption;
    std::string soundPath;
    std::string copyRequest = " ";
};

}  // namespace velocarta
