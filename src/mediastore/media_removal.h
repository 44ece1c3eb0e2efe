#pragma once

#include <string>

#include "mediastore/copy_kind.h"
#include "platform/file_copier.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace velocarta {

// Removing the photos or movies copied to the hard disk.
//
//   if (RemovalConfirmed(prompter.ask(RemovalQuestion(kind)))) {
//       hourglass; RemoveCopiedMedia(kind, ...); default pointer;
//       photos: PhotoRoot = ContentPath;
//       prompter.ask(RemovalDoneMessage(kind));
//       photos: close the main window (through its exit question)
//   }

// "Would you like to remove all Vantrel Velocarta photos from your hard drive?", question
// icon, Yes and No.
Message RemovalQuestion(CopyKind kind);
// Only Yes goes on.
inline bool RemovalConfirmed(Answer answer) {
    return answer == Answer::Yes;
}

// What a removal did. Nothing it meets is a failure: files that are missing or cannot be
// deleted, and a folder that is missing or still holds other files, are left as they are.
struct RemovalResult {
    int filesDeleted = 0;
    bool folderRemoved = false;
};

// Deletes ProgramFolder + "/vantrels/*.jpg" (or "/movies/*.avi"), the partial files a
// copy cut off with the program left there, and then the folder when it is empty. The
// screen saver's "/ssvantrels/" is never touched.
RemovalResult RemoveCopiedMedia(CopyKind kind, FileSystem& fileSystem, FileCopier& copier,
                                const std::string& programFolder);

// The message after a removal, OK button and no icon, shown whatever the removal met.
Message RemovalDoneMessage(CopyKind kind);

// When the disc is the folder the copies go to (started with "HWI"), its files are the only
// ones there are and nothing is removed: this says so, OK button.
Message DiscNotRemovedMessage(CopyKind kind);

// Removing the photos closes the main window: its catalogue was built from the hard disk.
inline bool RemovalClosesMainWindow(CopyKind kind) {
    return kind == CopyKind::Photos;
}

}  // namespace velocarta
