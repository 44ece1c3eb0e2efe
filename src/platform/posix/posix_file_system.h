#pragma once

#include <map>
#include <mutex>
#include <string>

#include "platform/file_system.h"

namespace velocarta {

// The host file system. Names below a root are looked up exactly first and, when that
// fails, without regard to ASCII case; the folder contents used for that are cached per
// folder and refreshed when the folder changes. Names beginning with '.' are hidden and
// never listed. Safe to use from several threads.
class PosixFileSystem final : public FileSystem {
  public:
    std::unique_ptr<DirListing> list(const ContentFile& pattern) override;
    std::optional<std::string> resolve(const ContentFile& file) override;
    std::int64_t fileLength(const ContentFile& file) override;
    void copy(const ContentFile& from, const ContentFile& to) override;
    int removeMatching(const ContentFile& pattern) override;
    void makeFolder(const ContentFile& folder) override;
    void removeFolder(const ContentFile& folder) override;

  private:
    // The entry of `folder` (a host path) spelled like `name` but for case, or "".
    std::string findFolded(const std::string& folder, const std::string& name);
    // Resolves a folder part below root; throws when the root cannot be reached.
    std::optional<std::string> resolveBelow(const std::string& root, const std::string& rel);
    // Where a new file or folder named by `file` goes: its resolved parent and its own name.
    std::string targetPath(const ContentFile& file);

    struct FolderNames {
        long long modifiedNs = 0;
        std::map<std::string, std::string> byUpperName;
    };
    std::mutex cacheMutex_;
    std::map<std::string, FolderNames> cache_;
};

// Whether a file name matches a pattern of '*' and '?' without regard to ASCII case.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace velocarta
