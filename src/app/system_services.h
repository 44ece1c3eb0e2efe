#pragma once

#include <functional>

#include "platform/posix/file_registry.h"
#include "platform/posix/posix_disk_space.h"
#include "platform/posix/posix_environment.h"
#include "platform/posix/posix_file_copier.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_system_folders.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_deadline_timer.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_instance_guard.h"
#include "platform/qt/qt_media_device.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_process_runner.h"
#include "platform/qt/qt_prompter.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_screen_saver_inhibitor.h"
#include "platform/qt/qt_window_order.h"
#include "program/services.h"

#include <functional>

namespace velocarta {

// The real services of this system, as the program uses them. Ending the program closes
// every window and leaves the event loop.
struct SystemServices {
    QtPrompter prompter;
    PosixFileSystem fileSystem;
    QtScreen screen;
    QtProcessRunner processes;
    QtClipboard clipboard;
    QtWindowOrder windowOrder;
    QtHelpViewer help;
    QtInstanceGuard instanceGuard;
    PosixEnvironment environment;
    QtMediaDevice startupDevice;
    QtMediaDevice mainDevice;
    QtMediaDevice movieDevice;
    QtPrinter printer;
    PosixDiskSpace diskSpace;
    PosixFileCopier fileCopier;
    QtScreenSaverInhibitor screenSaver;
    SteadyClock clock;
    FileRegistry registry{DefaultRegistryText(), RegistryFiles(environment)};
    PosixSystemFolders systemFolders{environment};
    QtDeadlineTimer slideTimer;
    Services services{prompter, fileSystem,    screen,      processes,     clipboard,  windowOrder,
                      help,     instanceGuard, environment, startupDevice, mainDevice, movieDevice,
                      printer,  diskSpace,     fileCopier,  screenSaver,   clock,      slideTimer,
                      registry, systemFolders, &EndProgram};

    static void EndProgram();
};

// Services to stand in for some of the system's own, as benchmarks use them (boxes that
// answer themselves, a printer that writes elsewhere); what is not given is the system's.
struct ServiceReplacements {
    Prompter* prompter = nullptr;
    Screen* screen = nullptr;
    InstanceGuard* instanceGuard = nullptr;
    Printer* printer = nullptr;
    std::function<void()> endProgram;
};
Services ServicesWith(SystemServices& system, const ServiceReplacements& replacements);

}  // namespace velocarta
