#include "content/utilities.h"

#include "content/naming.h"

namespace velocarta {

bool ScreenIs(const Screen& screen, long long width, long long height) {
    // 64-bit products: a size that would overflow 32 bits simply does not match.
    constexpr long long kTwipsPerPixel = 15;
    if (static_cast<long long>(screen.widthPixels()) * screen.twipsPerPixelX() !=
        width * kTwipsPerPixel) {
        return false;
    }
    return static_cast<long long>(screen.heightPixels()) * screen.twipsPerPixelY() ==
           height * kTwipsPerPixel;
}

void RegisterHelp(HelpViewer& help, FileSystem& fileSystem, const std::string& programFolder) {
    const ContentFile file = HelpFile(programFolder);
    std::optional<std::string> found;
    try {
        found = fileSystem.resolve(file);
    } catch (const FileSystemError&) {
        // The folder cannot be read: the help reports the file when it is asked to show it.
    }
    help.registerHelpFile(found.value_or(file.full()));
}

void QuitHelp(HelpViewer& help) {
    help.quit();
}

}  // namespace velocarta
