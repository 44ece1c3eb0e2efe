#pragma once

#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/registry.h"

namespace velocarta {

// The registry-like store of this platform: texts in the .reg format (see
// platform/registry_tree.h), applied in turn so that later ones add to, replace and remove
// from earlier ones: the built-in defaults first, then each file. The files are read on every
// lookup, so that an edit counts at once; a file that does not exist is skipped.
class FileRegistry final : public Registry {
  public:
    FileRegistry(std::string defaults, std::vector<std::string> files);

    // Throws RegistryError when a file exists but cannot be read, or is not in the format.
    std::optional<RegistryValue> readValue(RegistryRoot root, std::string_view keyPath,
                                           std::string_view valueName) const override;

  private:
    std::string defaults_;
    std::vector<std::string> files_;
};

// The files of the store, least important first: "velocarta/registry.reg" in each folder of
// $XDG_CONFIG_DIRS (default /etc/xdg), the last named first, then the user's in
// $XDG_CONFIG_HOME (default ~/.config).
std::vector<std::string> RegistryFiles(const Environment& environment);

// What the store holds when no file says otherwise: the system-information program is
// hardinfo, which Debian ships in the package of that name.
const std::string& DefaultRegistryText();

}  // namespace velocarta
