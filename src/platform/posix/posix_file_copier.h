#pragma once

#include <string_view>

#include "platform/file_copier.h"

namespace velocarta {

// How a partial file exists until the copy is complete.
enum class PartialFiles {
    // Without a name (O_TMPFILE) where the file system offers it, so that not even a
    // program killed in the middle leaves one behind; named where it does not.
    Unnamed,
    // Always under a hidden name.
    Named,
};

// Copies with copy_file_range(2) where the kernel offers it between the two file systems
// (the data then never passes through the program), else with read(2) and write(2). A
// named partial file is called "." + target name + ".partial-" + eight hex digits: hidden,
// so no listing ever shows it, and recognisable, so removeLeftovers() can find what a
// killed program left.
class PosixFileCopier final : public FileCopier {
  public:
    explicit PosixFileCopier(PartialFiles partials = PartialFiles::Unnamed) : partials_(partials) {}
    std::unique_ptr<OpenFileCopy> open(const std::string& source,
                                       const std::string& target) override;
    int removeLeftovers(const std::string& folder) override;
    bool remove(const std::string& path) override;

  private:
    PartialFiles partials_;
};

// Whether a file name is that of a partial file of PosixFileCopier.
bool IsPartialCopyName(std::string_view name);

}  // namespace velocarta
