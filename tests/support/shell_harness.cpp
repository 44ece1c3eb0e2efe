#include "support/shell_harness.h"

#include "shell/form1.h"
#include "shell/form2.h"

namespace velocarta::testing {

ShellHarness::ShellHarness() {
    environment.variables["VELOCARTA_DRIVES"] = disc.path();
    addPhoto("64A.JPG");
}

ShellHarness::~ShellHarness() {
    // The windows go before the services they use.
    module.reset();
}

Module1& ShellHarness::create(const std::string& commandLine) {
    services = std::make_unique<Services>(Services{
        prompter, *fileSystem, screen, processes, clipboard, windowOrder, help, instanceGuard,
        environment, startupDevice, mainDevice, printer, [this] { ++endProgramCalls; }});
    module = std::make_unique<Module1>(*services, program.path(), commandLine);
    return *module;
}

Module1& ShellHarness::start(const std::string& commandLine) {
    create(commandLine).form2().Form_Load();
    return *module;
}

Form1& ShellHarness::startToMainWindow(const std::string& commandLine) {
    start(commandLine).form2().Timer1_Timer();
    return *module->form1();
}

}  // namespace velocarta::testing
