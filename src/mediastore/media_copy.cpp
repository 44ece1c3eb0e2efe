#include "mediastore/media_copy.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "content/text.h"
#include "mediastore/copy_gauges.h"

namespace velocarta {

namespace {

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

MediaCopy::MediaCopy(CopyKind kind, CopyRoots roots, FileSystem& fileSystem, FileCopier& copier,
                     CopySettings settings)
    : kind_(kind),
      roots_(std::move(roots)),
      fileSystem_(fileSystem),
      copier_(copier),
      settings_(settings),
      stepBlocks_(settings.stepTime.count() > 0 ? 1 : settings.maxBlocksPerStep) {}

MediaCopy::~MediaCopy() {
    if (!ended_) {
        try {
            endCancelled();
        } catch (...) {
            // Nothing may leave a destructor; the partial file is gone with current_.
        }
    }
}

ContentFile MediaCopy::targetFolder() const {
    return {roots_.programFolder, std::string(RulesOf(kind_).folder)};
}

TargetFolderCheck MediaCopy::confirmTargetFolder() {
    try {
        fileSystem_.makeFolder(targetFolder());
        folderCreated_ = true;
        return {TargetFolderCheck::Kind::Created, {}};
    } catch (const FileSystemError& error) {
        // As a rule the folder is there from an earlier copy. If it is not, the copy cannot
        // go anywhere, and asking whether to copy again would only lead to a failure for
        // every file.
        if (fileSystem_.resolve(targetFolder())) {
            return {TargetFolderCheck::Kind::AlreadyThere, AlreadyCopiedQuestion()};
        }
        return {TargetFolderCheck::Kind::Failed, CopyFailureMessage(error.what())};
    }
}

void MediaCopy::planPhotos(const PhotoCatalogue& disc) {
    startPlanPhotos(disc);
    while (!planStep()) {
    }
}

void MediaCopy::planMovies(const MovieList& disc) {
    startPlanMovies(disc);
    while (!planStep()) {
    }
}

void MediaCopy::startPlanPhotos(const PhotoCatalogue& disc) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(disc.count()));
    for (int k = 1; k <= disc.count(); ++k) {
        names.push_back(disc.fileName(k));
    }
    startPlan(names);
}

void MediaCopy::startPlanMovies(const MovieList& disc) {
    startPlan(disc.names);
}

void MediaCopy::startPlan(const std::vector<std::string>& names) {
    const std::string folder(RulesOf(kind_).folder);
    plan_.clear();
    plan_.reserve(names.size());
    for (const std::string& name : names) {
        plan_.push_back({{roots_.contentPath, folder + name}, std::nullopt, 0});
    }
    looked_ = 0;
    fullBlockBytes_ = 0;
}

bool MediaCopy::planStep() {
    const auto start = std::chrono::steady_clock::now();
    while (looked_ < plan_.size()) {
        PlannedFile& file = plan_[looked_++];
        file.sourcePath = fileSystem_.resolve(file.source);
        try {
            file.length = file.sourcePath ? fileSystem_.fileLength(file.source) : 0;
        } catch (const FileSystemError&) {
            // Reported when its turn comes.
        }
        fullBlockBytes_ += FullBlockBytes(file.length, settings_.blockSize);
        if (settings_.stepTime.count() > 0 &&
            std::chrono::steady_clock::now() - start >= settings_.stepTime) {
            break;
        }
    }
    if (!planned()) {
        return false;
    }
    scale_ = OverallGaugeScale(RulesOf(kind_).nominalTotal, fullBlockBytes_);
    remaining_ = scale_;
    return true;
}

void MediaCopy::prepare() {
    prepared_ = true;
    if (scale_ == 0) {
        scale_ = remaining_ = RulesOf(kind_).nominalTotal;
    }
    folderPath_ = fileSystem_.resolve(targetFolder());
    if (!folderPath_) {
        return;
    }
    // What a copy cut off with the program left behind.
    copier_.removeLeftovers(*folderPath_);
    try {
        ContentFile every = targetFolder();
        every.rel += "*";
        const auto listing = fileSystem_.list(every);
        for (std::string name = listing->next(); !name.empty(); name = listing->next()) {
            targetNames_.emplace(AsciiUpper(name), name);
        }
    } catch (const FileSystemError&) {
        // Unreadable: each copy then fails on its own and says why.
    }
}

std::optional<std::string> MediaCopy::targetPathFor(const std::string& name, bool& exists) const {
    exists = false;
    if (!folderPath_) {
        return std::nullopt;
    }
    const auto it = targetNames_.find(AsciiUpper(name));
    exists = it != targetNames_.end();
    return *folderPath_ + "/" + (exists ? it->second : name);
}

CopyEvent MediaCopy::step() {
    if (ended_) {
        return last_;
    }
    if (cancelRequested_) {
        return endCancelled();
    }
    if (!prepared_) {
        while (!planned()) {
            planStep();
        }
        prepare();
    }
    switch (phase_) {
        case Phase::Copying:
            return copyBlocks();
        case Phase::Finishing:
            return finishFile();
        case Phase::Opening:
            break;
    }
    return next_ < plan_.size() ? openNext() : endRun();
}

CopyEvent MediaCopy::run(const std::function<bool(const CopyEvent&)>& onEvent) {
    for (;;) {
        const CopyEvent done = step();
        const bool goOn = !onEvent || onEvent(done);
        if (ended_) {
            return done;
        }
        if (!goOn) {
            cancel();
        }
    }
}

CopyEvent MediaCopy::event(CopyEvent::Kind kind) const {
    CopyEvent result;
    result.kind = kind;
    result.fileCount = fileCount();
    // After the last file the events still name it, as the "Copying file:" box does.
    const std::size_t index = std::min(next_, plan_.size() - 1);
    if (!plan_.empty()) {
        result.fileNumber = static_cast<int>(index) + 1;
        result.sourcePath = plan_[index].source.full();
    }
    result.fileGauge = fileGauge_;
    result.overallGauge = overallGauge_;
    return result;
}

CopyEvent MediaCopy::openNext() {
    const PlannedFile& file = plan_[next_];
    try {
        // Found when planned, or (if it came later) now; a file gone since fails to open.
        const auto source = file.sourcePath ? file.sourcePath : fileSystem_.resolve(file.source);
        bool exists = false;
        const auto target = source ? targetPathFor(BaseName(*source), exists) : std::nullopt;
        if (!target) {
            throw FileCopyError(ENOENT, std::strerror(ENOENT));
        }
        current_ = std::make_unique<BlockCopy>(copier_.open(*source, *target), settings_.blockSize);
        currentTarget_ = *target;
        currentIsNew_ = !exists;
    } catch (const FileCopyError& error) {
        return fileFailed(error.what());
    }
    if (current_->sameFile()) {
        // Source and target are one file (the disc is the program folder): it is copied.
        remaining_ -= FullBlockBytes(current_->length(), settings_.blockSize);
        overallGauge_ = OverallGaugePercent(remaining_, scale_);
        return finishFile();
    }
    phase_ = current_->blocksLeft() ? Phase::Copying : Phase::Finishing;
    return event(CopyEvent::Kind::FileStarted);
}

CopyEvent MediaCopy::copyBlocks() {
    std::int64_t blocks = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
        blocks = current_->copyBlocks(stepBlocks_);
    } catch (const FileCopyError& error) {
        return fileFailed(error.what());
    }
    adaptStep(blocks, std::chrono::steady_clock::now() - start);
    remaining_ -= blocks * settings_.blockSize;
    fileGauge_ = current_->gaugePercent();
    overallGauge_ = OverallGaugePercent(remaining_, scale_);
    if (!current_->blocksLeft()) {
        phase_ = Phase::Finishing;
    }
    return event(CopyEvent::Kind::BlocksCopied);
}

void MediaCopy::adaptStep(std::int64_t blocks, std::chrono::steady_clock::duration took) {
    if (settings_.stepTime.count() <= 0) {
        return;
    }
    const auto micros = std::max<std::int64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(took).count(), 1);
    const std::int64_t fitting = blocks * settings_.stepTime.count() / micros;
    // Grow by doubling at most, as one quick step may only have met a warm cache.
    const std::int64_t next = fitting > stepBlocks_ ? std::min(fitting, 2 * stepBlocks_) : fitting;
    stepBlocks_ =
        std::clamp<std::int64_t>(next, 1, std::max<std::int64_t>(settings_.maxBlocksPerStep, 1));
}

CopyEvent MediaCopy::finishFile() {
    try {
        current_->finish();
    } catch (const FileCopyError& error) {
        return fileFailed(error.what());
    }
    fileGauge_ = 100;
    if (currentIsNew_ && !current_->sameFile()) {
        added_.push_back(currentTarget_);
        const std::string name = BaseName(currentTarget_);
        targetNames_.emplace(AsciiUpper(name), name);
    }
    CopyEvent done = event(CopyEvent::Kind::FileCopied);
    current_.reset();
    phase_ = Phase::Opening;
    ++next_;
    return done;
}

CopyEvent MediaCopy::fileFailed(const std::string& description) {
    current_.reset();  // closes both files and removes the partial one
    ++failures_;
    CopyEvent failed = event(CopyEvent::Kind::FileFailed);
    failed.message = CopyFailureMessage(description);
    phase_ = Phase::Opening;
    ++next_;
    return failed;
}

CopyEvent MediaCopy::endRun() {
    ended_ = true;
    if (failures_ == 0) {
        overallGauge_ = 100;
        last_ = event(CopyEvent::Kind::Finished);
        last_.message = CopiedMessage(kind_);
        return last_;
    }
    rollBack();
    last_ = event(CopyEvent::Kind::Finished);
    last_.message = NotAllCopiedMessage(kind_);
    return last_;
}

CopyEvent MediaCopy::endCancelled() {
    current_.reset();
    ended_ = true;
    cancelled_ = true;
    rollBack();
    last_ = event(CopyEvent::Kind::Cancelled);
    return last_;
}

void MediaCopy::rollBack() {
    for (const std::string& path : added_) {
        copier_.remove(path);
    }
    added_.clear();
    if (folderCreated_) {
        try {
            if (folderPath_) {
                copier_.removeLeftovers(*folderPath_);
            }
            fileSystem_.removeFolder(targetFolder());
        } catch (const FileSystemError&) {
            // Other files are in it: it stays.
        }
    }
}

}  // namespace velocarta
