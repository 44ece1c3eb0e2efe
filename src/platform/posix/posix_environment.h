#pragma once

#include "platform/environment.h"

namespace velocarta {

class PosixEnvironment final : public Environment {
  public:
    std::string variable(const std::string& name) const override;
    std::string mountTable() const override;
    std::string userName() const override;
};

}  // namespace velocarta
