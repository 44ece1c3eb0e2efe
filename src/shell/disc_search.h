#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace velocarta {

// The folders that may hold the content disc, in the order they are tried: the folders
// named in `drivesVariable` (VELOCARTA_DRIVES, separated by ':'), then the mounted optical
// and removable media of the mount table (/proc/self/mounts): iso9660 and udf mounts, and
// mounts under /media, /run/media/<user> and /mnt, in mount-table order. Duplicates and
// empty entries are dropped; trailing '/' are removed, as roots never end in one.
std::vector<std::string> ContentDiscCandidates(std::string_view drivesVariable,
                                               std::string_view mountTable,
                                               std::string_view userName);

// Whether listing root + "/vantrels/*.jpg" yields a name; a listing that fails (a
// folder that cannot be read, a root that is gone) counts as no.
bool HoldsPhotos(FileSystem& fileSystem, const std::string& root);

// Where the content lies. The program folder holds the photos once they were copied
// to the hard disk; the content disc is still needed for everything else.
struct ContentRoots {
    std::string contentPath;  // empty when no disc was found
    std::string photoRoot;    // the program folder with copied photos, else contentPath
};
ContentRoots SearchContent(FileSystem& fileSystem, const std::string& programFolder,
                           const std::vector<std::string>& candidates);

}  // namespace velocarta
