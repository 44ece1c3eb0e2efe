#include "shell/disc_search.h"

#include <algorithm>

#include "content/lookup.h"
#include "content/naming.h"

namespace velocarta {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// The mount table writes blanks, tabs, newlines and backslashes in paths as octal escapes.
std::string Unescape(std::string_view field) {
    std::string result;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\') {
            const std::string_view digits = field.substr(i + 1, 3);
            if (digits.size() == 3 && std::all_of(digits.begin(), digits.end(),
                                                  [](char c) { return c >= '0' && c <= '7'; })) {
                result += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 +
                                            (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        result += field[i];
    }
    return result;
}

// The folder itself (a disc mounted straight on /mnt) or anything below it.
bool IsAtOrBelow(std::string_view path, std::string_view folder) {
    return path.substr(0, folder.size()) == folder &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

void AddRoot(std::vector<std::string>& roots, std::string root) {
    while (root.size() > 1 && root.back() == '/') {
        root.pop_back();
    }
    if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end()) {
        roots.push_back(std::move(root));
    }
}

}  // namespace

std::vector<std::string> ContentDiscCandidates(std::string_view drivesVariable,
                                               std::string_view mountTable,
                                               std::string_view userName) {
    std::vector<std::string> roots;
    if (!drivesVariable.empty()) {
        for (std::string_view folder : Split(drivesVariable, ':')) {
            AddRoot(roots, std::string(folder));
        }
    }
    const std::string userMedia = "/run/media/" + std::string(userName);
    for (std::string_view line : Split(mountTable, '\n')) {
        std::vector<std::string_view> fields;
        for (std::string_view field : Split(line, ' ')) {
            if (!field.empty()) {
                fields.push_back(field);
            }
        }
        if (fields.size() < 3) {
            continue;
        }
        const std::string mountPoint = Unescape(fields[1]);
        const std::string_view type = fields[2];
        if (type == "iso9660" || type == "udf" || IsAtOrBelow(mountPoint, "/media") ||
            (!userName.empty() && IsAtOrBelow(mountPoint, userMedia)) ||
            IsAtOrBelow(mountPoint, "/mnt")) {
            AddRoot(roots, mountPoint);
        }
    }
    return roots;
}

bool HoldsPhotos(FileSystem& fileSystem, const std::string& root) {
    return !FirstListed(fileSystem, {root, std::string(kPhotoPattern)}).empty();
}

ContentRoots SearchContent(FileSystem& fileSystem, const std::string& programFolder,
                           const std::vector<std::string>& candidates) {
    ContentRoots roots;
    if (HoldsPhotos(fileSystem, programFolder)) {
        roots.photoRoot = programFolder;
    }
    for (const std::string& candidate : candidates) {
        if (HoldsPhotos(fileSystem, candidate)) {
            roots.contentPath = candidate;
            break;
        }
    }
    if (roots.photoRoot.empty()) {
        roots.photoRoot = roots.contentPath;
    }
    return roots;
}

}  // namespace velocarta
