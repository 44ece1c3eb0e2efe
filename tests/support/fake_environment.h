#pragma once

#include <map>
#include <string>

#include "platform/environment.h"

namespace velocarta::testing {

class FakeEnvironment final : public Environment {
  public:
    std::string variable(const std::string& name) const override {
        const auto it = variables.find(name);
        return it == variables.end() ? std::string() : it->second;
    }
    std::string mountTable() const override { return mounts; }
    std::string userName() const override { return user; }

    std::map<std::string, std::string> variables;
    std::string mounts;
    std::string user = "vantreler";
};

}  // namespace velocarta::testing
