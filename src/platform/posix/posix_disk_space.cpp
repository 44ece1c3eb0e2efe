#include "platform/posix/posix_disk_space.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace velocarta {

namespace {

constexpr std::uint64_t kSectorBytes = 512;

// The folder where the file system holding `path` is mounted: the highest folder above it
// that still lies on the same device.
std::string MountRoot(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return path;
    }
    std::string root = resolved;
    struct stat info {};
    if (::stat(root.c_str(), &info) != 0) {
        return root;
    }
    while (root != "/") {
        const std::size_t slash = root.rfind('/');
        const std::string parent = slash == 0 ? "/" : root.substr(0, slash);
        struct stat parentInfo {};
        if (::stat(parent.c_str(), &parentInfo) != 0 || parentInfo.st_dev != info.st_dev) {
            break;
        }
        root = parent;
    }
    return root;
}

}  // namespace

DiskGeometry PosixDiskSpace::measure(const std::string& folder) {
    struct statvfs figures {};
    if (::statvfs(folder.c_str(), &figures) != 0) {
        throw DiskSpaceError("Cannot measure the disk of " + folder + ": " + std::strerror(errno));
    }
    const std::uint64_t unit = figures.f_frsize != 0 ? figures.f_frsize : figures.f_bsize;
    DiskGeometry geometry;
    geometry.bytesPerSector = unit % kSectorBytes == 0 ? kSectorBytes : unit;
    geometry.sectorsPerCluster = unit / geometry.bytesPerSector;
    geometry.freeClusters = figures.f_bavail;
    geometry.totalClusters = figures.f_blocks;
    geometry.root = MountRoot(folder);
    return geometry;
}

}  // namespace velocarta
