#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace velocarta {

// The file system that holds a folder cannot be measured.
class DiskSpaceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The size of a file system in the terms the free-space rule counts in: clusters of
// sectors. Every figure is a count, never bytes.
struct DiskGeometry {
    std::uint64_t sectorsPerCluster = 0;
    std::uint64_t bytesPerSector = 0;
    // Clusters that a program without special rights may still fill.
    std::uint64_t freeClusters = 0;
    std::uint64_t totalClusters = 0;
    // The root of the file system that was measured (where it is mounted).
    std::string root;
};

// Free space on the disk that holds a folder.
class DiskSpace {
  public:
    virtual ~DiskSpace() = default;
    // Throws DiskSpaceError when the folder's file system cannot be measured.
    virtual DiskGeometry measure(const std::string& folder) = 0;
};

}  // namespace velocarta
