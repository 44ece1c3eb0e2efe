#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "content/content_file.h"
#include "mediastore/block_copy.h"
#include "mediastore/copy_kind.h"
#include "platform/file_copier.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace velocarta {

// Where a copy reads from and writes to. With "HWI" both are the program folder.
struct CopyRoots {
    std::string contentPath;
    std::string programFolder;
};

// How much one step copies. The gauges are reckoned in blocks whatever a step moves; a
// step moves at least one block of a file and at most maxBlocksPerStep. With a stepTime it
// takes as many as the steps before say will fit in that time: a fast disk is copied in
// large pieces (one system call for many blocks), a slow disc in single blocks, and either
// way the window gets to handle its events every few milliseconds. Without one, every step
// moves maxBlocksPerStep blocks.
struct CopySettings {
    std::int64_t blockSize = kMediaCopyBlock;
    std::int64_t maxBlocksPerStep = 400;
    std::chrono::microseconds stepTime{10'000};
};

// What one step of a copy did, with what the copy panel shows after it.
struct CopyEvent {
    enum class Kind {
        FileStarted,   // the next file was opened; nothing of it copied yet
        BlocksCopied,  // full blocks of the file in hand were copied
        FileCopied,    // the file is complete under its name (or was that file already)
        FileFailed,    // the file could not be copied: show `message`; the copy goes on
        Finished,      // every file was tried: show `message`; the copy has ended
        Cancelled,     // stopped on request; the hard disk is as it was before the copy
    };
    Kind kind = Kind::FileStarted;
    int fileNumber = 0;  // 1-based number of the file in hand
    int fileCount = 0;
    std::string sourcePath;  // the file in hand, for the "Copying file:" box (Text1)
    int fileGauge = 0;       // ProgressGuage
    int overallGauge = 0;    // ProgressGuage2
    Message message;         // FileFailed and Finished
};

// The answer of the target-folder step.
struct TargetFolderCheck {
    enum class Kind {
        Created,       // the folder was made: go on
        AlreadyThere,  // ask `message`; CopyDeclined(answer) stops the copy
        Failed,        // the folder can neither be made nor found: show `message` and stop
    };
    Kind kind = Kind::Created;
    Message message;
};

// Copying every photo or every movie of the disc into the program folder, one step at a
// time, so that the window can repaint its gauges and handle events between steps:
//
//   MediaCopy copy(kind, roots, fileSystem, copier);
//   check = copy.confirmTargetFolder();        // ask when AlreadyThere
//   copy.planPhotos(discCatalogue);            // or planMovies(discMovies)
//   while (!copy.ended()) { event = copy.step(); show it; let events run; }
//
// The loop may as well be a zero-interval timer calling step(), or run() with a callback
// that lets pending events run. A step takes a few milliseconds at most on a fast disk and
// one block's time on a slow one. Cancel, or closing the window, calls cancel(); the next
// step ends the copy. Destroying a copy that has not ended cancels it.
//
// Each file is written to a partial file that takes its name only when complete, so no
// file is ever half there under its name. A file that fails is reported and the next one
// tried. When any file failed, or the copy was cancelled, the files the copy added are
// removed again (and the folder, if the copy made it): a partial set on the hard disk
// would be taken for the whole collection. Files it replaced keep their new contents.
class MediaCopy {
  public:
    MediaCopy(CopyKind kind, CopyRoots roots, FileSystem& fileSystem, FileCopier& copier,
              CopySettings settings = {});
    // A copy that has not ended is cancelled: nothing partial stays behind.
    ~MediaCopy();
    MediaCopy(const MediaCopy&) = delete;
    MediaCopy& operator=(const MediaCopy&) = delete;

    CopyKind kind() const { return kind_; }
    // ProgramFolder + "/vantrels/" or "/movies/".
    ContentFile targetFolder() const;

    // Creates the target folder, one level under the program folder.
    TargetFolderCheck confirmTargetFolder();

    // The files to copy: every entry of the catalogue built from the disc, or every movie
    // the disc lists. Read from ContentPath, written under the disc's spelling.
    void planPhotos(const PhotoCatalogue& disc);
    void planMovies(const MovieList& disc);
    int fileCount() const { return static_cast<int>(plan_.size()); }

    // The same plan in pieces, for a window that must go on handling its events while
    // every file of a large disc is looked up: after a start, each planStep() looks up
    // files for about a step's time (at least one) and returns true once all are. A
    // step() before then finishes the plan first.
    void startPlanPhotos(const PhotoCatalogue& disc);
    void startPlanMovies(const MovieList& disc);
    bool planStep();
    bool planned() const { return looked_ == plan_.size(); }

    // Does the next piece of work. After the end it returns the last event again.
    CopyEvent step();
    // Stops the copy; allowed at any moment, also from within an event's handling. The next
    // step discards the file in hand and ends with Cancelled.
    void cancel() { cancelRequested_ = true; }
    bool cancelRequested() const { return cancelRequested_; }

    bool ended() const { return ended_; }
    // Ended with every file copied.
    bool complete() const { return ended_ && !cancelled_ && failures_ == 0; }
    int failures() const { return failures_; }

    // Steps to the end; after every event `onEvent` runs and returns false to cancel.
    // Returns the last event (Finished or Cancelled).
    CopyEvent run(const std::function<bool(const CopyEvent&)>& onEvent);

  private:
    struct PlannedFile {
        ContentFile source;
        std::optional<std::string> sourcePath;  // where it was found when planned
        std::int64_t length = 0;
    };
    void startPlan(const std::vector<std::string>& names);
    void prepare();
    CopyEvent openNext();
    CopyEvent copyBlocks();
    CopyEvent finishFile();
    CopyEvent fileFailed(const std::string& description);
    CopyEvent endRun();
    CopyEvent endCancelled();
    void rollBack();
    // The blocks the next step takes, after a step took `blocks` in `took`.
    void adaptStep(std::int64_t blocks, std::chrono::steady_clock::duration took);
    CopyEvent event(CopyEvent::Kind kind) const;
    // Where the copy of a file of this name goes, and whether a file is there already.
    std::optional<std::string> targetPathFor(const std::string& name, bool& exists) const;

    enum class Phase { Opening, Copying, Finishing };

    CopyKind kind_;
    CopyRoots roots_;
    FileSystem& fileSystem_;
    FileCopier& copier_;
    CopySettings settings_;

    std::vector<PlannedFile> plan_;
    // How many files of the plan were looked up, and their full-block bytes.
    std::size_t looked_ = 0;
    std::int64_t fullBlockBytes_ = 0;
    bool prepared_ = false;
    bool folderCreated_ = false;
    std::optional<std::string> folderPath_;
    // The target folder's files by upper-cased name, so that a copy replaces a file of the
    // same name in another letter case instead of adding a second one.
    std::map<std::string, std::string> targetNames_;

    Phase phase_ = Phase::Opening;
    std::size_t next_ = 0;
    std::unique_ptr<BlockCopy> current_;
    std::string currentTarget_;
    bool currentIsNew_ = false;
    std::vector<std::string> added_;

    std::int64_t stepBlocks_ = 1;
    std::int64_t scale_ = 0;
    std::int64_t remaining_ = 0;
    int fileGauge_ = 0;
    int overallGauge_ = 0;
    int failures_ = 0;
    bool cancelRequested_ = false;
    bool cancelled_ = false;
    bool ended_ = false;
    CopyEvent last_;
};

}  // namespace velocarta
