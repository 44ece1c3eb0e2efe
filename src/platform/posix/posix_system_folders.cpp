#include "platform/posix/posix_system_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <filesystem>

#include "platform/file_system.h"
#include "screensaver/screen_saver_rules.h"

namespace velocarta {

namespace {

std::string HomeFolder(const Environment& environment) {
    std::string home = environment.variable("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid())) {
            home = entry->pw_dir;
        }
    }
    return home;
}

}  // namespace

std::string PosixSystemFolders::settingsFolder() const {
    return SaverSettingsFolder(environment_.variable("XDG_CONFIG_HOME"), HomeFolder(environment_));
}

void PosixSystemFolders::makeSettingsFolder() {
    const std::string folder = settingsFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw FileSystemError("Cannot make the folder " + folder + ": " + error.message());
    }
}

}  // namespace velocarta
