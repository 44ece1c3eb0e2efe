#pragma once

#include "platform/disk_space.h"

namespace velocarta {

// statvfs(3) of the folder's file system. Its fragment (f_frsize, the unit in which it
// counts blocks) stands for the cluster, split into 512-byte sectors where it divides by
// 512; the free clusters are those open to programs without special rights (f_bavail), as
// the copies are made by the user.
class PosixDiskSpace final : public DiskSpace {
  public:
    DiskGeometry measure(const std::string& folder) override;
};

}  // namespace velocarta
