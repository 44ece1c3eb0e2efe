#pragma once

#include <string>
#include <vector>

#include "platform/disk_space.h"

namespace velocarta::testing {

// Answers every measurement with `geometry`, or fails when `fail` is set; records the
// folders it was asked about.
class FakeDiskSpace final : public DiskSpace {
  public:
    DiskGeometry measure(const std::string& folder) override {
        asked.push_back(folder);
        if (fail) {
            throw DiskSpaceError("scripted failure to measure " + folder);
        }
        return geometry;
    }

    DiskGeometry geometry{8, 512, 0, 0, "/"};
    bool fail = false;
    std::vector<std::string> asked;
};

}  // namespace velocarta::testing
