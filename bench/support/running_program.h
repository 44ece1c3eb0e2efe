#pragma once

// The program with its real services, started past its start-up window to the main window
// on the content disc that VELOCARTA_DRIVES names.
#include "app/system_services.h"
#include "program/program.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/program_windows.h"

namespace velocarta::bench {

struct RunningProgram {
    explicit RunningProgram(const std::string& programFolder)
        : program(system.services, programFolder, ""), windows(program) {
        windows.form2().Form_Load();
        windows.form2().Timer1_Timer();
        // The start-up sound would otherwise play into what is measured.
        system.startupDevice.close();
        form = windows.form1();
    }

    SystemServices system;
    Program program;
    ProgramWindows windows;
    Form1* form = nullptr;
};

}  // namespace velocarta::bench
