#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "content/text.h"
#include "platform/posix/posix_file_copier.h"

namespace velocarta {

namespace {

std::string Describe(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
}

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

std::vector<std::string> Components(const std::string& rel) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= rel.size()) {
        const std::size_t slash = rel.find('/', start);
        const std::size_t end = slash == std::string::npos ? rel.size() : slash;
        if (end > start) {
            parts.push_back(rel.substr(start, end - start));
        }
        if (slash == std::string::npos) {
            break;
        }
        start = slash + 1;
    }
    return parts;
}

// Splits "/vantrels/*.jpg" into the folder part "/vantrels" and the last component.
std::pair<std::string, std::string> SplitLast(const std::string& rel) {
    const std::size_t slash = rel.rfind('/');
    if (slash == std::string::npos) {
        return {"", rel};
    }
    return {rel.substr(0, slash), rel.substr(slash + 1)};
}

class PosixListing final : public DirListing {
  public:
    PosixListing(std::string folder, std::string pattern)
        : folder_(std::move(folder)), pattern_(std::move(pattern)) {
        if (folder_.empty()) {
            return;  // the folder does not exist: nothing to list
        }
        dir_ = ::opendir(folder_.c_str());
        if (dir_ == nullptr) {
            throw FileSystemError(Describe("Cannot read the folder", folder_, errno));
        }
    }
    ~PosixListing() override {
        if (dir_ != nullptr) {
            ::closedir(dir_);
        }
    }
    PosixListing(const PosixListing&) = delete;
    PosixListing& operator=(const PosixListing&) = delete;

    std::string next() override {
        if (dir_ == nullptr) {
            return {};
        }
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir_);
            if (entry == nullptr) {
                if (errno != 0) {
                    throw FileSystemError(Describe("Cannot read the folder", folder_, errno));
                }
                ::closedir(dir_);
                dir_ = nullptr;
                return {};
            }
            const std::string_view name = entry->d_name;
            if (name.empty() || name.front() == '.' || !MatchesWildcard(pattern_, name)) {
                continue;
            }
            if (IsRegularFile(*entry)) {
                return std::string(name);
            }
        }
    }

  private:
    bool IsRegularFile(const dirent& entry) const {
        if (entry.d_type == DT_REG) {
            return true;
        }
        if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) {
            return false;
        }
        struct stat info {};
        return ::fstatat(::dirfd(dir_), entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
    }

    std::string folder_;
    std::string pattern_;
    DIR* dir_ = nullptr;
};

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    // Iterative glob with one backtrack point, linear for the patterns the program uses.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' ||
             EqualsIgnoringAsciiCase(pattern.substr(p, 1), name.substr(n, 1)))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::string PosixFileSystem::findFolded(const std::string& folder, const std::string& name) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return {};
    }
    const long long modified =
        static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000LL + info.st_mtim.tv_nsec;
    std::lock_guard lock(cacheMutex_);
    FolderNames& names = cache_[folder];
    if (names.byUpperName.empty() || names.modifiedNs != modified) {
        names.byUpperName.clear();
        names.modifiedNs = modified;
        if (DIR* dir = ::opendir(folder.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                std::string entryName = entry->d_name;
                auto [it, inserted] = names.byUpperName.emplace(AsciiUpper(entryName), entryName);
                // Two names that differ only in case: take the lower one in binary order,
                // so that the choice does not depend on the listing order.
                if (!inserted && entryName < it->second) {
                    it->second = entryName;
                }
            }
            ::closedir(dir);
        }
    }
    const auto it = names.byUpperName.find(AsciiUpper(name));
    return it == names.byUpperName.end() ? std::string() : it->second;
}

std::optional<std::string> PosixFileSystem::resolveBelow(const std::string& root,
                                                         const std::string& rel) {
    // A name spelled as it is on disk is found with one look, and its root is plainly
    // there (a copy of a whole disc looks up every file of it this way).
    const std::string exact = root + rel;
    if (!rel.empty() && Exists(exact)) {
        return exact;
    }
    if (!IsDirectory(root)) {
        throw FileSystemError(Describe("Cannot reach", root, ENOENT));
    }
    if (Exists(exact)) {
        return exact;
    }
    std::string path = root;
    for (const std::string& part : Components(rel)) {
        std::string next = path + "/" + part;
        if (!Exists(next)) {
            const std::string folded = findFolded(path, part);
            if (folded.empty()) {
                return std::nullopt;
            }
            next = path + "/" + folded;
        }
        path = std::move(next);
    }
    return path;
}

std::unique_ptr<DirListing> PosixFileSystem::list(const ContentFile& pattern) {
    const auto [folderRel, namePattern] = SplitLast(pattern.rel);
    const std::optional<std::string> folder = resolveBelow(pattern.root, folderRel);
    if (folder && !IsDirectory(*folder)) {
        return std::make_unique<PosixListing>(std::string(), namePattern);
    }
    return std::make_unique<PosixListing>(folder.value_or(std::string()), namePattern);
}

std::optional<std::string> PosixFileSystem::resolve(const ContentFile& file) {
    try {
        return resolveBelow(file.root, file.rel);
    } catch (const FileSystemError&) {
        return std::nullopt;
    }
}

std::int64_t PosixFileSystem::fileLength(const ContentFile& file) {
    const auto path = resolve(file);
    struct stat info {};
    if (!path || ::stat(path->c_str(), &info) != 0) {
        throw FileSystemError("Cannot find " + file.full());
    }
    return static_cast<std::int64_t>(info.st_size);
}

std::string PosixFileSystem::targetPath(const ContentFile& file) {
    if (auto existing = resolve(file)) {
        return *existing;
    }
    const auto [parentRel, name] = SplitLast(file.rel);
    const auto parent = resolveBelow(file.root, parentRel);
    if (!parent || !IsDirectory(*parent)) {
        throw FileSystemError(Describe("Cannot find the folder", file.root + parentRel, ENOENT));
    }
    return *parent + "/" + name;
}

void PosixFileSystem::copy(const ContentFile& from, const ContentFile& to) {
    const auto source = resolve(from);
    if (!source) {
        throw FileSystemError(Describe("Cannot find", from.full(), ENOENT));
    }
    const std::string target = targetPath(to);
    // The copier writes beside the target and renames, so that a failed copy (a full disk)
    // never leaves a truncated file under the real name.
    try {
        PosixFileCopier copier;
        const auto copy = copier.open(*source, target);
        copy->transfer(copy->length());
        copy->commit();
    } catch (const FileCopyError& error) {
        throw FileSystemError("Cannot copy " + *source + " to " + target + ": " + error.what());
    }
}

int PosixFileSystem::removeMatching(const ContentFile& pattern) {
    const auto [folderRel, namePattern] = SplitLast(pattern.rel);
    const auto folder = resolveBelow(pattern.root, folderRel);
    if (!folder) {
        return 0;
    }
    auto listing = list(pattern);
    std::vector<std::string> names;
    for (std::string name = listing->next(); !name.empty(); name = listing->next()) {
        names.push_back(std::move(name));
    }
    int removed = 0;
    for (const std::string& name : names) {
        const std::string path = *folder + "/" + name;
        if (::unlink(path.c_str()) != 0) {
            throw FileSystemError(Describe("Cannot delete", path, errno));
        }
        ++removed;
    }
    return removed;
}

void PosixFileSystem::makeFolder(const ContentFile& folder) {
    if (auto existing = resolve(folder)) {
        throw FileSystemError(Describe("Cannot create", *existing, EEXIST));
    }
    ContentFile named = folder;
    while (named.rel.size() > 1 && named.rel.back() == '/') {
        named.rel.pop_back();
    }
    const std::string path = targetPath(named);
    if (::mkdir(path.c_str(), 0755) != 0) {
        throw FileSystemError(Describe("Cannot create", path, errno));
    }
}

void PosixFileSystem::removeFolder(const ContentFile& folder) {
    const auto path = resolve(folder);
    if (!path) {
        throw FileSystemError(Describe("Cannot remove", folder.full(), ENOENT));
    }
    if (::rmdir(path->c_str()) != 0) {
        throw FileSystemError(Describe("Cannot remove", *path, errno));
    }
}

}  // namespace velocarta
