// The Vantrel Velocarta 2000 screen saver, "Vantrel2000.scr": shows the photos of the folder
// its settings name, one after the other, full screen or as an xscreensaver hack.
#include <iostream>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/posix_environment.h"
#include "platform/posix/posix_profile_file.h"
#include "platform/posix/posix_system_folders.h"
#include "screensaver/saver/saver_runner.h"
#include "screensaver/saver_options.h"
#include "screensaver/screen_saver_rules.h"

int main(int argc, char** argv) {
    using namespace velocarta;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const PosixEnvironment environment;
    const SaverOptions options =
        ParseSaverArguments(arguments, environment.variable("XSCREENSAVER_WINDOW"));
    const std::string name = argc > 0 ? argv[0] : "Vantrel2000.scr";
    if (!options.error.empty()) {
        std::cerr << name << ": " << options.error << "\n" << SaverUsage(name);
        return 2;
    }
    if (options.help) {
        std::cout << SaverUsage(name);
        return 0;
    }

    const PosixSystemFolders folders(environment);
    const std::string settingsFile =
        options.settingsFile.value_or(folders.settingsFolder() + std::string(kSaverSettingsFile));
    std::string settingsText;
    try {
        settingsText = ReadProfileFile(settingsFile).value_or("");
    } catch (const FileSystemError& error) {
        std::cerr << name << ": " << error.what() << "\n";
    }
    const SaverSettings settings = ApplySaverOptions(ReadSaverSettings(settingsText), options);

    switch (options.target) {
        case SaverTarget::OwnWindow:
            return RunSaverInOwnWindow(argc, argv, settings);
        case SaverTarget::Root:
            return RunSaverOnX11Window(argc, argv, settings, 0);
        case SaverTarget::Window:
            break;
    }
    return RunSaverOnX11Window(argc, argv, settings, options.windowId);
}
