#pragma once

#include <functional>

#include "platform/deadline_timer.h"
#include "platform/disk_space.h"
#include "platform/environment.h"
#include "platform/file_copier.h"
#include "platform/file_system.h"
#include "platform/help_viewer.h"
#include "platform/instance_guard.h"
#include "platform/process_runner.h"
#include "platform/prompter.h"
#include "platform/qt/clipboard.h"
#include "platform/qt/media_device.h"
#include "platform/qt/printer.h"
#include "platform/qt/window_order.h"
#include "platform/registry.h"
#include "platform/screen.h"
#include "platform/screen_saver_inhibitor.h"
#include "platform/system_folders.h"

namespace velocarta {

// The operating-system services the windows use. The program passes the real ones; tests
// pass doubles.
struct Services {
    Prompter& prompter;
    FileSystem& fileSystem;
    Screen& screen;
    ProcessRunner& processes;
    Clipboard& clipboard;
    WindowOrder& windowOrder;
    HelpViewer& help;
    InstanceGuard& instanceGuard;
    Environment& environment;
    // The start-up window's multimedia device (the start-up sound), the main window's
    // (sound effects) and the movie window's.
    MediaDevice& startupDevice;
    MediaDevice& mainDevice;
    MediaDevice& movieDevice;
    Printer& printer;
    // The free space of the disk the copies go to, and the copier that writes them.
    DiskSpace& diskSpace;
    FileCopier& fileCopier;
    // Holds the desktop's screen saver off while a slide show plays.
    ScreenSaverInhibitor& screenSaver;
    MonotonicClock& clock;
    // The slide show's tick, at deadlines on that clock.
    DeadlineTimer& slideTimer;
    // Settings other programs leave for this one: where the system-information program is.
    Registry& registry;
    // Where the screen saver's settings and the installed screen saver go.
    SystemFolders& systemFolders;
    // Ends the run at once: every window closes, nothing more is asked.
    std::function<void()> endProgram;
};

}  // namespace velocarta
