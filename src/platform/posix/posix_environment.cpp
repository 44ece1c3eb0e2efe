#include "platform/posix/posix_environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace velocarta {

std::string PosixEnvironment::variable(const std::string& name) const {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

std::string PosixEnvironment::mountTable() const {
    std::ifstream mounts("/proc/self/mounts");
    std::ostringstream text;
    text << mounts.rdbuf();
    return text.str();
}

std::string PosixEnvironment::userName() const {
    if (const passwd* entry = ::getpwuid(::getuid())) {
        return entry->pw_name;
    }
    return variable("USER");
}

}  // namespace velocarta
