#pragma once

#include <string>
#include <vector>

#include "shell/display_scale.h"

namespace velocarta {

// What the program does before its windows exist: it reads the options of its command
// line and its settings file, and says what is wrong with them on the terminal.
struct StartPlan {
    bool endNow = false;  // --help, --version or a wrong command line
    int exitStatus = 0;
    ScaleChoice scale;
    // The program's name and the arguments left for Qt and for the program ("HWI").
    std::vector<std::string> arguments;
};

StartPlan PlanStart(int argc, char** argv);

}  // namespace velocarta
