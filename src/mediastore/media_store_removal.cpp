// The File menu's entries that remove the photos or movies copied to the hard disk.
#include <QWidget>
#include <filesystem>

#include "mediastore/media_removal.h"
#include "mediastore/media_store_panel.h"
#include "program/program.h"

namespace velocarta {

namespace {

// Started with "HWI" the disc is the program folder, and so is the folder the copies go
// to: its photos and movies are then the only ones there are.
bool StoreIsTheDisc(const Program& program) {
    std::error_code error;
    return std::filesystem::equivalent(program.storeFolder(), program.contentPath, error);
}

// Asks, and removes the kind's copies unless they are the disc itself; false when nothing
// was removed.
bool RemoveCopies(Program& program, CopyKind kind) {
    Services& services = program.services;
    if (!RemovalConfirmed(services.prompter.ask(RemovalQuestion(kind)))) {
        return false;
    }
    if (StoreIsTheDisc(program)) {
        services.prompter.ask(DiscNotRemovedMessage(kind));
        return false;
    }
    services.screen.setPointer(Pointer::Hourglass);
    RemoveCopiedMedia(kind, services.fileSystem, services.fileCopier, program.storeFolder());
    services.screen.setPointer(Pointer::Default);
    return true;
}

}  // namespace

void MediaStorePanel::mnuRemove_Click() {
    if (!RemoveCopies(program_, CopyKind::Photos)) {
        return;
    }
    program_.photoRoot = program_.contentPath;
    program_.services.prompter.ask(RemovalDoneMessage(CopyKind::Photos));
    // The catalogue was built from the hard disk: the window closes, through its question.
    mainWindow_.widget()->close();
    if (!program_.ended()) {
        // The user stays: the photos come from the disc again, not from files now gone.
        program_.BuildPhotoList();
    }
}

void MediaStorePanel::mnuRemoveMovies_Click() {
    if (RemoveCopies(program_, CopyKind::Movies)) {
        program_.services.prompter.ask(RemovalDoneMessage(CopyKind::Movies));
    }
}

}  // namespace velocarta
