#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/file_system.h"
#include "platform/system_folders.h"

namespace velocarta::testing {

// The settings folder where the test puts it; made on request as the real one is, or
// refused when `failToMake` is set.
class FakeSystemFolders final : public SystemFolders {
  public:
    std::string settingsFolder() const override { return folder; }
    void makeSettingsFolder() override {
        ++makes;
        std::error_code error;
        if (!failToMake) {
            std::filesystem::create_directories(folder, error);
        }
        if (failToMake || error) {
            throw FileSystemError("Cannot make the folder " + folder);
        }
    }

    std::string folder;
    bool failToMake = false;
    int makes = 0;
};

}  // namespace velocarta::testing
