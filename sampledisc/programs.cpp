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

}  // namespace velocarta::sampledisc
