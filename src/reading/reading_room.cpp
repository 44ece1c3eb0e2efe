#include "reading/reading_room.h"

#include <set>

#include "program/program.h"
#include "reading/documents.h"

namespace velocarta {

ReadingRoom::ReadingRoom(Program& program, MainWindow& mainWindow)
    : program_(program), viewer_(program, mainWindow) {
    // Entries of one control array share a name and a handler.
    std::set<std::string> menus;
    for (const DocumentEntry& entry : DocumentEntries()) {
        menus.emplace(entry.menu);
    }
    for (const std::string& menu : menus) {
        mainWindow.onMenu(menu, [this, menu](int index) { OpenMenuDocument(menu, index); });
    }
    // A new year or topic on show closes the viewer.
    onShow_ = program.onShow.listen([this](OnShow::Change change) {
        if (change == OnShow::Change::Refreshed) {
            viewer_.Unload();
        }
    });
}

void ReadingRoom::OpenMenuDocument(const std::string& menu, int index) {
    const DocumentEntry* entry = FindDocumentEntry(menu, index);
    if (entry == nullptr) {
        return;
    }
    if (!viewer_.Open({program_.contentPath, std::string(entry->document)},
                      std::string(entry->caption))) {
        program_.ShowError(entry->errorCode, ErrorSource::Trap);
    }
}

}  // namespace velocarta
