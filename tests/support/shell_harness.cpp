#include "support/shell_harness.h"

#include "shell/form1.h"
#include "shell/form2.h"

namespace velocarta::testing {

ShellHarness::ShellHarness() {
    environment.variables["VELOCARTA_DRIVES"] = disc.path();
    addPhoto("64A.JPG");
    systemFolders.folder = configuration.path() + "/velocarta";
}

ShellHarness::~ShellHarness() {
    // The windows go before the state and the services they use.
    windows.reset();
    state.reset();
}

Program& ShellHarness::create(const std::string& commandLine) {
    services = std::make_unique<Services>(Services{prompter,
                                                   *fileSystem,
                                                   screen,
                                                   processes,
                                                   clipboard,
                                                   windowOrder,
                                                   help,
                                                   instanceGuard,
                                                   environment,
                                                   startupDevice,
                                                   *mainDeviceInUse,
                                                   *movieDeviceInUse,
                                                   *printerService,
                                                   diskSpace,
                                                   *copierInUse,
                                                   *screenSaverService,
                                                   clock,
                                                   slideTimer,
                                                   registry,
                                                   systemFolders,
                                                   [this] { ++endProgramCalls; }});
    state = std::make_unique<Program>(*services, program.path(), commandLine);
    windows = std::make_unique<ProgramWindows>(*state);
    return *state;
}

Program& ShellHarness::start(const std::string& commandLine) {
    create(commandLine);
    windows->form2().Form_Load();
    return *state;
}

Form1& ShellHarness::startToMainWindow(const std::string& commandLine) {
    start(commandLine);
    windows->form2().Timer1_Timer();
    return *windows->form1();
}

}  // namespace velocarta::testing
