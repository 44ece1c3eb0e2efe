#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/screen_saver_inhibitor.h"

namespace velocarta::testing {

// Records the holds asked for; `available` false plays a desktop without the service.
class FakeScreenSaverInhibitor final : public ScreenSaverInhibitor {
  public:
    bool inhibit(const std::string& application, const std::string& reason) override {
        if (held_) {
            return true;
        }
        requests.emplace_back(application, reason);
        held_ = available;
        return held_;
    }
    void release() override {
        if (held_) {
            ++releases;
            held_ = false;
        }
    }
    bool held() const override { return held_; }

    bool available = true;
    std::vector<std::pair<std::string, std::string>> requests;
    int releases = 0;

  private:
    bool held_ = false;
};

}  // namespace velocarta::testing
