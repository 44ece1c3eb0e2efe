#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "content/content_file.h"

namespace velocarta {

// A file-system call that failed: a folder that cannot be read, a root that is gone, a
// full disk. The message says what failed, for the user.
class FileSystemError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A wildcard listing that yields one name per call, as the content functions walk a folder.
class DirListing {
  public:
    virtual ~DirListing() = default;
    // The next matching file name as it is spelled on disk, or "" once there is none.
    // Throws FileSystemError when the folder cannot be read further.
    virtual std::string next() = 0;
};

// The file system as the program uses it. Below a root, folder and file names are matched
// without regard to ASCII letter case; patterns take '*' and '?' in the last component.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Lists the regular files that match pattern.rel's last component in the folder named by
    // the rest of it. A folder that does not exist yields no name (like an empty listing);
    // a folder that exists but cannot be read, or a root that cannot be reached, throws.
    virtual std::unique_ptr<DirListing> list(const ContentFile& pattern) = 0;

    // The host path of an existing file or folder, or nothing when there is none.
    virtual std::optional<std::string> resolve(const ContentFile& file) = 0;

    // Length in bytes; throws when the file is missing or unreadable.
    virtual std::int64_t fileLength(const ContentFile& file) = 0;

    // Copies a file, replacing an existing target; the target's folder must exist. Throws on
    // failure and leaves no partial target behind.
    virtual void copy(const ContentFile& from, const ContentFile& to) = 0;

    // Deletes every regular file that matches the pattern; returns how many were deleted.
    virtual int removeMatching(const ContentFile& pattern) = 0;

    // Creates a folder (its parent must exist); throws when it exists already or cannot be
    // made, as the callers expect to ignore the first case.
    virtual void makeFolder(const ContentFile& folder) = 0;

    // Removes an empty folder; throws when it is missing, not empty or cannot be removed.
    virtual void removeFolder(const ContentFile& folder) = 0;
};

}  // namespace velocarta
