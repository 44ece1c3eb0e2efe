#include "sampledisc/programs.h"

namespace velocarta::sampledisc {

std::string CodecInstallerScript() {
    return "#!/bin/sh\n"
           "# The Vantrel Velocarta sample disc: stand-in for the video codec installer.\n"
           "echo \"The Vantrel Velocarta - video software installer\"\n"
           "echo \"The movies of this disc are Motion-JPEG AVI files that the system's own\"\n"
           "echo \"media framework plays, so there is nothing to install.\"\n"
           "exit 0\n";
}

std::string ScreenSaverScript() {
    return "#!/bin/sh\n"
           "# The Vantrel Velocarta 2000 screen saver: a stand-in until the real one is built.\n"
           "echo \"The Vantrel Velocarta 2000 screen saver\"\n"
           "echo \"It reads its photo folder and delay from Vantrel2000.ini (section\"\n"
           "echo \"Vantrel2000, keys VantrelPath and Interval); this stand-in shows nothing.\"\n"
           "exit 0\n";
}

}  // namespace velocarta::sampledisc
