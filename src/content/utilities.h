#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/help_viewer.h"
#include "platform/screen.h"

namespace velocarta {

// Whether the screen is exactly width by height pixels at 15 twips a pixel: an 800 by 600
// screen with large fonts (12 twips a pixel) is not an 800 by 600 screen to the layout.
bool ScreenIs(const Screen& screen, long long width, long long height);

// Makes the program's help file, "vantrel2000.HLP" in the program folder, the help that is
// shown; its name is matched without regard to case, as copies come in any case.
void RegisterHelp(HelpViewer& help, FileSystem& fileSystem, const std::string& programFolder);
// Closes what is open of the help.
void QuitHelp(HelpViewer& help);

}  // namespace velocarta
