#include "mediastore/media_removal.h"

#include <vector>

namespace velocarta {

namespace {

// Deletes the pattern's files one by one, so that one that cannot go does not keep the
// others.
int DeleteEach(FileSystem& fileSystem, const ContentFile& pattern) {
    std::vector<std::string> names;
    try {
        const auto listing = fileSystem.list(pattern);
        for (std::string name = listing->next(); !name.empty(); name = listing->next()) {
            names.push_back(std::move(name));
        }
    } catch (const FileSystemError&) {
    }
    const std::size_t slash = pattern.rel.rfind('/');
    const std::string folder = pattern.rel.substr(0, slash + 1);
    int deleted = 0;
    for (const std::string& name : names) {
        try {
            // A name without wildcards matches itself; one with them matches only files of
            // the same pattern, which are to go as well.
            deleted += fileSystem.removeMatching({pattern.root, folder + name});
        } catch (const FileSystemError&) {
        }
    }
    return deleted;
}

}  // namespace

Message RemovalQuestion(CopyKind kind) {
    const std::string what = kind == CopyKind::Photos ? "photos" : "movies";
    return {"Would you like to remove all Vantrel Velocarta " + what + " from your hard drive?",
            kProductTitle, Buttons::YesNo, Icon::Question};
}

RemovalResult RemoveCopiedMedia(CopyKind kind, FileSystem& fileSystem, FileCopier& copier,
                                const std::string& programFolder) {
    const CopyKindRules& rules = RulesOf(kind);
    const ContentFile folder{programFolder, std::string(rules.folder)};
    const ContentFile pattern{programFolder, std::string(rules.pattern)};
    RemovalResult result;
    try {
        result.filesDeleted = fileSystem.removeMatching(pattern);
    } catch (const FileSystemError&) {
        // Some file would not go: try each of the rest on its own.
        result.filesDeleted = DeleteEach(fileSystem, pattern);
    }
    if (const auto path = fileSystem.resolve(folder)) {
        copier.removeLeftovers(*path);
    }
    try {
        fileSystem.removeFolder(folder);
        result.folderRemoved = true;
    } catch (const FileSystemError&) {
    }
    return result;
}

Message RemovalDoneMessage(CopyKind kind) {
    const std::string crLf(kCrLf);
    if (kind == CopyKind::Movies) {
        return {"All movies successfully removed!", kProductTitle, Buttons::Ok, Icon::None};
    }
    return {"All Photos Successfully Removed!" + crLf + crLf +
                "You must now exit and re-enter the Vantrel Velocarta to allow " + crLf +
                "the software to find the photos on the cdrom drive." + crLf + crLf +
                "You must also re-install the Vantrel Velocarta Screen Saver " + crLf +
                "if you have previously installed it.",
            kProductTitle, Buttons::Ok, Icon::None};
}

Message DiscNotRemovedMessage(CopyKind kind) {
    const std::string what = kind == CopyKind::Photos ? "photos" : "movies";
    return {"The " + what + " on your hard drive are the ones the Vantrel Velocarta reads as " +
                "its CD-ROM." + std::string(kCrLf) + std::string(kCrLf) + "They were not removed.",
            kProductTitle, Buttons::Ok, Icon::Exclamation};
}

}  // namespace velocarta
