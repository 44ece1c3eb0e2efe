#include "tools/utility_menus.h"

#include <stdexcept>

#include "content/utilities.h"
#include "program/program.h"
#include "tools/display_check.h"
#include "tools/frm_about.h"
#include "tools/system_info.h"

namespace velocarta {

UtilityMenus::UtilityMenus(Program& program, MainWindow& mainWindow)
    : program_(program), mainWindow_(mainWindow) {
    mainWindow.onMenu("mnuCheckResolution", [this](int) { mnuCheckResolution_Click(); });
    mainWindow.onMenu("mnuSysInfo", [this](int) { mnuSysInfo_Click(); });
    mainWindow.onMenu("mnuContents", [this](int) { mnuContents_Click(); });
    mainWindow.onMenu("mnuAbout", [this](int) { mnuAbout_Click(); });
}

UtilityMenus::~UtilityMenus() {
    // The box belongs to the main window, which may outlive this part by a moment.
    delete about_.data();
}

void UtilityMenus::mnuCheckResolution_Click() {
    Services& services = program_.services;
    services.prompter.ask(ScreenResolutionMessage(services.screen));
}

void UtilityMenus::mnuSysInfo_Click() {
    Services& services = program_.services;
    if (const auto program = FindSystemInfoProgram(services.registry, services.fileSystem)) {
        try {
            // Started on its own: the program does not wait for it.
            services.processes.start(*program, {});
            return;
        } catch (const ProcessError&) {
            // Not installed, or not a program: the user hears it is unavailable.
        }
    }
    services.prompter.ask(SystemInfoUnavailableMessage());
}

void UtilityMenus::mnuContents_Click() {
    Services& services = program_.services;
    if (services.help.helpFile().empty()) {
        RegisterHelp(services.help, services.fileSystem, program_.programFolder());
    }
    try {
        services.help.showContents();
    } catch (const std::runtime_error&) {
        services.prompter.ask({"The help file " + services.help.helpFile() +
                                   " is missing or cannot be read.\r\n\r\n"
                                   "Please install The Vantrel Velocarta again to restore it.",
                               kProductTitle, Buttons::Ok, Icon::Exclamation});
    }
}

void UtilityMenus::mnuAbout_Click() {
    if (about_ == nullptr) {
        about_ = new frmAbout(mainWindow_.widget());
    }
    about_->Form_Load();
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace velocarta
