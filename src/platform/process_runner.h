#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace velocarta {

class ProcessError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Starting other programs. Arguments go to the program as a list, never through a shell.
class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    // Starts the program and returns at once; throws ProcessError when it cannot start.
    virtual void start(const std::string& program, const std::vector<std::string>& args) = 0;
    // Starts the program and returns its exit code when it has ended. Window events keep
    // running meanwhile. Throws ProcessError when it cannot start.
    virtual int startAndWait(const std::string& program, const std::vector<std::string>& args) = 0;
};

}  // namespace velocarta
