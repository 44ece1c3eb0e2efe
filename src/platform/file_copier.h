#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace velocarta {

// A copy that failed. what() is the system's own description of the failure ("No space left
// on device"), fit to be shown to the user as it stands.
class FileCopyError : public FileSystemError {
  public:
    // errorNumber: the errno value, 0 where the system gave none.
    FileCopyError(int errorNumber, const std::string& description)
        : FileSystemError(description), errorNumber_(errorNumber) {}
    int errorNumber() const { return errorNumber_; }

  private:
    int errorNumber_;
};

// One file being copied. The new contents go to a hidden file beside the target and take
// the target's name only on commit(), so a failed or abandoned copy never leaves a
// truncated file under the real name, and an older target stays as it was until then.
class OpenFileCopy {
  public:
    // A copy that was not committed is discarded: its partial file is removed.
    virtual ~OpenFileCopy() = default;

    // The source's length in bytes when it was opened.
    virtual std::int64_t length() const = 0;
    // Source and target are one and the same file (the same device and inode): there is
    // nothing to copy, nothing is written, and commit() leaves the file alone.
    virtual bool sameFile() const = 0;
    // Copies the next `bytes` bytes of the source. Throws FileCopyError when they cannot all
    // be read or written, also when the source ends before them.
    virtual void transfer(std::int64_t bytes) = 0;
    virtual std::int64_t transferred() const = 0;
    // Gives the copied file the target's name, replacing a file of that name. Throws
    // FileCopyError (the partial file is then removed).
    virtual void commit() = 0;
};

// Copies files piece by piece, so that the caller can show progress and let its window
// work between the pieces. Paths are host paths.
class FileCopier {
  public:
    virtual ~FileCopier() = default;
    // Opens `source` for reading and a new partial file in the target's folder. Throws
    // FileCopyError when either cannot be opened.
    virtual std::unique_ptr<OpenFileCopy> open(const std::string& source,
                                               const std::string& target) = 0;
    // Removes the partial files that copies cut off with the program left in a folder
    // (never a file of any other name); returns how many. A missing folder has none.
    virtual int removeLeftovers(const std::string& folder) = 0;
    // Deletes a file that an earlier copy made; false when it cannot (it is gone already).
    virtual bool remove(const std::string& path) = 0;
};

}  // namespace velocarta
