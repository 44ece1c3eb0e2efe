#pragma once

#include <string_view>

#include "platform/registry.h"
#include "platform/registry_tree.h"

namespace velocarta::testing {

// A store that holds what the test gives it in the .reg format, and nothing to begin with;
// an unreadable one throws as a store that cannot be read.
class FakeRegistry final : public Registry {
  public:
    void load(std::string_view regText) { tree_.apply(regText, "test store"); }
    std::optional<RegistryValue> readValue(RegistryRoot root, std::string_view keyPath,
                                           std::string_view valueName) const override {
        if (unreadable) {
            throw RegistryError("test store: cannot be read");
        }
        return tree_.find(root, keyPath, valueName);
    }
    bool unreadable = false;

  private:
    RegistryTree tree_;
};

}  // namespace velocarta::testing
