#include "content/lookup.h"

namespace velocarta {

std::string FirstListed(FileSystem& fileSystem, const ContentFile& pattern) {
    try {
        return fileSystem.list(pattern)->next();
    } catch (const FileSystemError&) {
        return {};
    }
}

}  // namespace velocarta
