#include "mediastore/block_copy.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "mediastore/copy_gauges.h"

namespace velocarta {

BlockCopy::BlockCopy(std::unique_ptr<OpenFileCopy> file, std::int64_t blockSize)
    : file_(std::move(file)),
      blockSize_(blockSize),
      fullBlocks_(file_->sameFile() ? 0 : file_->length() / blockSize) {}

std::int64_t BlockCopy::copyBlocks(std::int64_t most) {
    const std::int64_t blocks =
        std::min(std::max<std::int64_t>(most, 1), fullBlocks_ - blocksDone_);
    if (blocks <= 0) {
        return 0;
    }
    file_->transfer(blocks * blockSize_);
    blocksDone_ += blocks;
    return blocks;
}

void BlockCopy::finish() {
    if (!sameFile()) {
        file_->transfer(file_->length() - file_->transferred());
    }
    file_->commit();
}

int BlockCopy::gaugePercent() const {
    return FileGaugePercent(blockSize_, blocksDone_, length());
}

std::optional<std::string> ResolveTargetPath(FileSystem& fileSystem, const ContentFile& target) {
    if (auto existing = fileSystem.resolve(target)) {
        return existing;
    }
    const std::size_t slash = target.rel.rfind('/');
    const std::string parentRel = slash == std::string::npos ? "" : target.rel.substr(0, slash);
    const auto folder = fileSystem.resolve({target.root, parentRel});
    if (!folder) {
        return std::nullopt;
    }
    return *folder + "/" + target.rel.substr(slash + 1);
}

FileCopyOutcome CopyFileWithGauge(FileSystem& fileSystem, FileCopier& copier,
                                  const ContentFile& source, const ContentFile& target,
                                  const GaugeCallback& onBlock) {
    const auto from = fileSystem.resolve(source);
    const auto to = ResolveTargetPath(fileSystem, target);
    if (!from || !to) {
        return {FileCopyOutcome::Kind::Failed, std::strerror(ENOENT)};
    }
    try {
        BlockCopy copy(copier.open(*from, *to), kPhotoCopyBlock);
        while (copy.copyBlocks() > 0) {
            if (onBlock && !onBlock(copy.gaugePercent())) {
                return {FileCopyOutcome::Kind::Cancelled, {}};
            }
        }
        copy.finish();
    } catch (const FileCopyError& error) {
        return {FileCopyOutcome::Kind::Failed, error.what()};
    }
    return {};
}

}  // namespace velocarta
