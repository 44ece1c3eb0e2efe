#pragma once

#include <string>

namespace velocarta {

// The folders of the user's system that the program writes to outside its own folders.
class SystemFolders {
  public:
    virtual ~SystemFolders() = default;
    // Where the screen saver's settings file and the installed screen saver go: the
    // program's folder in the user's configuration. No trailing '/'; it may not exist yet.
    virtual std::string settingsFolder() const = 0;
    // Creates the settings folder and any missing folder above it. Throws FileSystemError
    // when that fails.
    virtual void makeSettingsFolder() = 0;
};

}  // namespace velocarta
