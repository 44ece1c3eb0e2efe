#pragma once

#include <memory>
#include <vector>

#include "platform/posix/posix_file_system.h"

namespace velocarta::testing {

// The real file system with failures injected into listings: the first `failOpens`
// attempts to open a listing fail, and so does each call of next() whose 1-based number is
// in `failNextCalls` (only once each, so a retry of that step succeeds).
class FailingFileSystem final : public FileSystem {
  public:
    int failOpens = 0;
    std::vector<int> failNextCalls;
    int opens = 0;
    int nextCalls = 0;

    std::unique_ptr<DirListing> list(const ContentFile& pattern) override;
    std::optional<std::string> resolve(const ContentFile& file) override {
        return real_.resolve(file);
    }
    std::int64_t fileLength(const ContentFile& file) override { return real_.fileLength(file); }
    void copy(const ContentFile& from, const ContentFile& to) override { real_.copy(from, to); }
    int removeMatching(const ContentFile& pattern) override {
        return real_.removeMatching(pattern);
    }
    void makeFolder(const ContentFile& folder) override { real_.makeFolder(folder); }
    void removeFolder(const ContentFile& folder) override { real_.removeFolder(folder); }

  private:
    PosixFileSystem real_;
};

}  // namespace velocarta::testing
