#pragma once

#include "platform/process_runner.h"

namespace velocarta {

class QtProcessRunner final : public ProcessRunner {
  public:
    void start(const std::string& program, const std::vector<std::string>& args) override;
    int startAndWait(const std::string& program, const std::vector<std::string>& args) override;
};

}  // namespace velocarta
