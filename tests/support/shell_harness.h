#pragma once

#include <memory>
#include <string>

#include "platform/posix/posix_file_copier.h"
#include "platform/posix/posix_file_system.h"
#include "program/program.h"
#include "shell/program_windows.h"
#include "support/fake_clipboard.h"
#include "support/fake_disk_space.h"
#include "support/fake_environment.h"
#include "support/fake_registry.h"
#include "support/fake_screen_saver.h"
#include "support/fake_services.h"
#include "support/fake_system_folders.h"
#include "support/fake_timing.h"
#include "support/temp_folder.h"

namespace velocarta {
class Form1;
}

namespace velocarta::testing {

// The program with doubles for every service but the file system, a temporary content
// disc (named in VELOCARTA_DRIVES) and a temporary program folder.
class ShellHarness {
  public:
    ShellHarness();
    ~ShellHarness();

    // Creates the program's state and windows for a command line.
    Program& create(const std::string& commandLine = "");
    // Runs the start-up window's load, as the program does when it starts.
    Program& start(const std::string& commandLine = "");
    // Runs the start-up and its timer tick: the main window is loaded.
    Form1& startToMainWindow(const std::string& commandLine = "");

    // A photo file on the disc (contents do not matter to the catalogue).
    void addPhoto(const std::string& name) const { disc.writeFile("/vantrels/" + name); }

    TempFolder disc;
    TempFolder program;
    FakePrompter prompter;
    PosixFileSystem posixFileSystem;
    FileSystem* fileSystem = &posixFileSystem;  // tests may put a failing one here
    FakeScreen screen{800, 600, 15};
    FakeProcessRunner processes;
    FakeClipboard clipboard;
    FakeWindowOrder windowOrder;
    FakeHelpViewer help;
    FakeInstanceGuard instanceGuard;
    FakeEnvironment environment;
    FakeMediaDevice startupDevice;
    FakeMediaDevice mainDevice;
    FakeMediaDevice movieDevice;
    // Tests that play for real put real devices here.
    MediaDevice* mainDeviceInUse = &mainDevice;
    MediaDevice* movieDeviceInUse = &movieDevice;
    FakePrinter printer;
    Printer* printerService = &printer;  // tests may put a real one here
    FakeDiskSpace diskSpace;
    PosixFileCopier fileCopier;
    FileCopier* copierInUse = &fileCopier;  // tests may put a failing one here
    FakeScreenSaverInhibitor screenSaver;
    ScreenSaverInhibitor* screenSaverService = &screenSaver;  // tests may put a real one here
    FakeClock clock;
    FakeDeadlineTimer slideTimer{clock};
    FakeRegistry registry;
    // The user's configuration: the screen saver's settings folder lies in it, not yet made.
    TempFolder configuration;
    FakeSystemFolders systemFolders;
    int endProgramCalls = 0;

    std::unique_ptr<Services> services;
    std::unique_ptr<Program> state;
    std::unique_ptr<ProgramWindows> windows;
};

}  // namespace velocarta::testing
