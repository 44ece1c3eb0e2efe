#include "app/system_services.h"

#include <QApplication>
#include <QWidget>

namespace velocarta {

void SystemServices::EndProgram() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
    }
    QCoreApplication::exit(0);
}

Services ServicesWith(SystemServices& system, const ServiceReplacements& replacements) {
    const auto pick = [](auto* replacement, auto& own) -> auto& {
        return replacement != nullptr ? *replacement : own;
    };
    return Services{
        pick(replacements.prompter, system.prompter),
        system.fileSystem,
        pick(replacements.screen, system.screen),
        system.processes,
        system.clipboard,
        system.windowOrder,
        system.help,
        pick(replacements.instanceGuard, system.instanceGuard),
        system.environment,
        system.startupDevice,
        system.mainDevice,
        system.movieDevice,
        pick(replacements.printer, system.printer),
        system.diskSpace,
        system.fileCopier,
        system.screenSaver,
        system.clock,
        system.slideTimer,
        system.registry,
        system.systemFolders,
        replacements.endProgram ? replacements.endProgram : &SystemServices::EndProgram};
}

}  // namespace velocarta
