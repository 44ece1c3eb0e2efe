#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "content/content_file.h"
#include "platform/file_copier.h"
#include "platform/file_system.h"

namespace velocarta {

// The block sizes of the two copies: the media copy's, which its gauges count in, and the
// single-photo copy's.
inline constexpr std::int64_t kMediaCopyBlock = 25'000;
inline constexpr std::int64_t kPhotoCopyBlock = 1'000;

// One file copied block by block: its full blocks a few at a time, then its tail (less
// than a block) together with the final rename. Source and target being one file means
// there is nothing to do, and the file stays as it is.
class BlockCopy {
  public:
    BlockCopy(std::unique_ptr<OpenFileCopy> file, std::int64_t blockSize);

    std::int64_t length() const { return file_->length(); }
    bool sameFile() const { return file_->sameFile(); }
    std::int64_t fullBlocks() const { return fullBlocks_; }
    std::int64_t blocksDone() const { return blocksDone_; }
    bool blocksLeft() const { return blocksDone_ < fullBlocks_; }

    // Copies up to `most` further full blocks in one piece; returns how many. Throws
    // FileCopyError.
    std::int64_t copyBlocks(std::int64_t most = 1);
    // Copies the tail and gives the target its name. Throws FileCopyError.
    void finish();
    // The file gauge after the blocks done so far.
    int gaugePercent() const;

  private:
    std::unique_ptr<OpenFileCopy> file_;
    std::int64_t blockSize_;
    std::int64_t fullBlocks_;
    std::int64_t blocksDone_ = 0;
};

// The host path a copy to `target` writes: the existing file of that name in any letter
// case, else the target's name in its folder. Nothing when the folder does not exist.
std::optional<std::string> ResolveTargetPath(FileSystem& fileSystem, const ContentFile& target);

// How a single copy ended.
struct FileCopyOutcome {
    enum class Kind { Copied, Failed, Cancelled };
    Kind kind = Kind::Copied;
    // Failed: the system's description of the failure.
    std::string failure;
};

// Called after every block with the file gauge; the window sets its gauge, lets pending
// events run and returns false to stop the copy.
using GaugeCallback = std::function<bool(int percent)>;

// Copies one file in 1,000-byte blocks, calling `onBlock` after each. An existing target
// is replaced; a copy that fails or is stopped leaves the target as it was, and no partial
// file.
FileCopyOutcome CopyFileWithGauge(FileSystem& fileSystem, FileCopier& copier,
                                  const ContentFile& source, const ContentFile& target,
                                  const GaugeCallback& onBlock);

}  // namespace velocarta
