#pragma once

#include "platform/environment.h"
#include "platform/system_folders.h"

namespace velocarta {

// The user's configuration folder as the XDG base directories name it:
// $XDG_CONFIG_HOME/velocarta, or ~/.config/velocarta (the home folder from HOME, else from
// the user database).
class PosixSystemFolders final : public SystemFolders {
  public:
    explicit PosixSystemFolders(const Environment& environment) : environment_(environment) {}
    std::string settingsFolder() const override;
    void makeSettingsFolder() override;

  private:
    const Environment& environment_;
};

}  // namespace velocarta
