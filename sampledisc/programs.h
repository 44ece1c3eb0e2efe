#pragma once

#include <string>

namespace velocarta::sampledisc {

// The video codec installer of the disc, a program the product starts but does not
// contain, as a harmless POSIX shell script that says what it is and ends with success.
std::string CodecInstallerScript();

}  // namespace velocarta::sampledisc
