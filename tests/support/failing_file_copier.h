#pragma once

#include <cerrno>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/posix/posix_file_copier.h"

namespace velocarta::testing {

// The real copier with a failure injected: the transfer or open whose 1-based number
// (counted over all files) is named fails with `failWith` before anything of it is
// written, as a disk that fills up or a drive that stops reading would. Everything else,
// the partial file and its removal included, is the real thing.
class FailingFileCopier final : public FileCopier {
  public:
    int failTransfer = 0;
    int failOpen = 0;
    int failWith = ENOSPC;
    int transfers = 0;
    int opens = 0;
    int removals = 0;
    // The source of the copy opened last.
    std::string lastSource;
    // Runs before every transfer with its 1-based number and size: a test may change the
    // source there, as another program could while a copy runs, or take its time, as a
    // slow drive does.
    std::function<void(int transfer, std::int64_t bytes)> beforeTransfer;

    std::unique_ptr<OpenFileCopy> open(const std::string& source,
                                       const std::string& target) override;
    int removeLeftovers(const std::string& folder) override {
        return real_.removeLeftovers(folder);
    }
    bool remove(const std::string& path) override {
        ++removals;
        return real_.remove(path);
    }

  private:
    PosixFileCopier real_;
};

}  // namespace velocarta::testing
