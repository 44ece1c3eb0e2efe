#pragma once

#include <string>

namespace velocarta {

// What the program reads of the system around it to find its content disc.
class Environment {
  public:
    virtual ~Environment() = default;
    // The value of an environment variable, "" when it is not set.
    virtual std::string variable(const std::string& name) const = 0;
    // The table of mounted file systems (the contents of /proc/self/mounts).
    virtual std::string mountTable() const = 0;
    virtual std::string userName() const = 0;
};

}  // namespace velocarta
