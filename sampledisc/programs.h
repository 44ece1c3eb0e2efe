#pragma once

#include <string>

namespace velocarta::sampledisc {

// The two programs the product starts but does not contain, as harmless POSIX shell
// scripts that say what they are and end with success: the video codec installer of the
// disc and the screen saver of the program folder.
std::string CodecInstallerScript();
std::string ScreenSaverScript();

}  // namespace velocarta::sampledisc
