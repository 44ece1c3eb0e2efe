#include "platform/posix/posix_file_copier.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

namespace velocarta {

namespace {

constexpr std::string_view kPartialMark = ".partial-";
constexpr std::size_t kPartialDigits = 8;
// The largest piece moved through the program's own buffer when the kernel cannot copy.
constexpr std::int64_t kLargestBuffer = 1 << 20;

[[noreturn]] void Fail(int error) {
    throw FileCopyError(error, std::strerror(error));
}

// A source that is shorter than it was when the copy began has no errno of its own.
[[noreturn]] void FailShortSource() {
    throw FileCopyError(0, "Input past end of file");
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Naming an unnamed file goes through its entry in /proc (linkat with AT_EMPTY_PATH would
// need a privilege).
bool ProcFdAvailable() {
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

std::string PartialName(const std::string& target) {
    static std::atomic<unsigned> counter{std::random_device{}()};
    const std::size_t slash = target.rfind('/');
    const std::string folder = FolderOf(target);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    char digits[kPartialDigits + 1];
    std::snprintf(digits, sizeof digits, "%08x", counter.fetch_add(0x9e3779b9u));
    return folder + "/." + name + std::string(kPartialMark) + digits;
}

class PosixOpenFileCopy final : public OpenFileCopy {
  public:
    PosixOpenFileCopy(std::string target, bool unnamed)
        : target_(std::move(target)), unnamed_(unnamed) {}

    // Separate from the constructor so that the destructor closes what a failure left open.
    void open(const std::string& source) {
        const std::string& target = target_;
        in_ = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
        if (in_ < 0) {
            Fail(errno);
        }
        struct stat sourceInfo {};
        if (::fstat(in_, &sourceInfo) != 0) {
            Fail(errno);
        }
        if (S_ISDIR(sourceInfo.st_mode)) {
            Fail(EISDIR);
        }
        length_ = static_cast<std::int64_t>(sourceInfo.st_size);
        struct stat targetInfo {};
        if (::stat(target.c_str(), &targetInfo) == 0 && targetInfo.st_dev == sourceInfo.st_dev &&
            targetInfo.st_ino == sourceInfo.st_ino) {
            same_ = true;
            return;
        }
        ::posix_fadvise(in_, 0, 0, POSIX_FADV_SEQUENTIAL);
        if (unnamed_ && ProcFdAvailable()) {
            out_ = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
            if (out_ >= 0) {
                keepExecutable(sourceInfo);
                return;
            }
            // EISDIR: a kernel that does not know O_TMPFILE; EOPNOTSUPP: a file system
            // without it. Both take a named partial file instead.
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
                Fail(errno);
            }
        }
        // The name is random; a clash with a file of the same name only means another try.
        for (int attempt = 0; out_ < 0; ++attempt) {
            partial_ = PartialName(target);
            out_ = ::open(partial_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (out_ < 0 && (errno != EEXIST || attempt == 16)) {
                const int error = errno;
                partial_.clear();
                Fail(error);
            }
        }
        keepExecutable(sourceInfo);
    }

    ~PosixOpenFileCopy() override {
        if (in_ >= 0) {
            ::close(in_);
        }
        if (out_ >= 0) {
            ::close(out_);
        }
        if (!committed_ && !partial_.empty()) {
            ::unlink(partial_.c_str());
        }
    }
    PosixOpenFileCopy(const PosixOpenFileCopy&) = delete;
    PosixOpenFileCopy& operator=(const PosixOpenFileCopy&) = delete;

    std::int64_t length() const override { return length_; }
    bool sameFile() const override { return same_; }
    std::int64_t transferred() const override { return transferred_; }

    void transfer(std::int64_t bytes) override {
        if (same_ || committed_ || bytes <= 0) {
            return;
        }
        while (bytes > 0) {
            const std::int64_t moved =
                kernelCopies_ ? copyInKernel(bytes) : copyThroughBuffer(bytes);
            bytes -= moved;
            transferred_ += moved;
        }
    }

    void commit() override {
        if (committed_) {
            return;
        }
        if (!same_) {
            // An unnamed file gets the target's name straight away when there is no file of
            // that name; else a hidden one, and the rename replaces the old file in one go.
            std::string linkedAsTarget;
            if (partial_.empty()) {
                if (!linkAs(target_)) {
                    for (int attempt = 0; partial_.empty(); ++attempt) {
                        partial_ = PartialName(target_);
                        if (!linkAs(partial_)) {
                            partial_.clear();
                            if (attempt == 16) {
                                Fail(EEXIST);
                            }
                        }
                    }
                } else {
                    linkedAsTarget = target_;
                }
            }
            if (::close(std::exchange(out_, -1)) != 0) {
                const int error = errno;
                if (!linkedAsTarget.empty()) {
                    ::unlink(linkedAsTarget.c_str());
                }
                Fail(error);
            }
            if (!partial_.empty() && ::rename(partial_.c_str(), target_.c_str()) != 0) {
                Fail(errno);
            }
        }
        committed_ = true;
        ::close(std::exchange(in_, -1));
    }

  private:
    // A copy of a program is a program too: those who may read the copy may run it, as
    // cp does it.
    void keepExecutable(const struct stat& sourceInfo) {
        struct stat copyInfo {};
        if ((sourceInfo.st_mode & 0111) == 0 || ::fstat(out_, &copyInfo) != 0) {
            return;
        }
        const mode_t mode = copyInfo.st_mode & 0777;
        if (::fchmod(out_, mode | ((mode & 0444) >> 2)) != 0) {
            Fail(errno);
        }
    }

    // Gives the unnamed file a name; false when that name is taken. Throws on other failures.
    bool linkAs(const std::string& name) {
        const std::string self = "/proc/self/fd/" + std::to_string(out_);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            Fail(errno);
        }
        return false;
    }

    // Bytes moved, 0 when the kernel cannot copy between these files (then the buffer
    // takes over for good).
    std::int64_t copyInKernel(std::int64_t bytes) {
        for (;;) {
            const ssize_t moved =
                ::copy_file_range(in_, nullptr, out_, nullptr, static_cast<std::size_t>(bytes), 0);
            if (moved > 0) {
                return moved;
            }
            if (moved < 0 && errno == EINTR) {
                continue;
            }
            if (moved < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS &&
                errno != EOPNOTSUPP && errno != ENOTSUP) {
                Fail(errno);
            }
            // Not offered here, or the source ended: read(2) tells which.
            kernelCopies_ = false;
            return 0;
        }
    }

    std::int64_t copyThroughBuffer(std::int64_t bytes) {
        const std::int64_t want = std::min(bytes, kLargestBuffer);
        if (static_cast<std::int64_t>(buffer_.size()) < want) {
            buffer_.resize(static_cast<std::size_t>(want));
        }
        ssize_t got = -1;
        while (got < 0) {
            got = ::read(in_, buffer_.data(), static_cast<std::size_t>(want));
            if (got < 0 && errno != EINTR) {
                Fail(errno);
            }
        }
        if (got == 0) {
            FailShortSource();
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put =
                ::write(out_, buffer_.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                Fail(errno);
            }
            done += put;
        }
        return got;
    }

    std::string target_;
    bool unnamed_;
    // The named partial file; empty while the file has no name (O_TMPFILE).
    std::string partial_;
    int in_ = -1;
    int out_ = -1;
    std::int64_t length_ = 0;
    std::int64_t transferred_ = 0;
    bool same_ = false;
    bool committed_ = false;
    bool kernelCopies_ = true;
    std::vector<char> buffer_;
};

}  // namespace

bool IsPartialCopyName(std::string_view name) {
    const std::size_t mark = name.rfind(kPartialMark);
    if (name.size() < 2 || name.front() != '.' || mark == std::string_view::npos || mark < 2) {
        return false;
    }
    const std::string_view digits = name.substr(mark + kPartialMark.size());
    return digits.size() == kPartialDigits && std::all_of(digits.begin(), digits.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::unique_ptr<OpenFileCopy> PosixFileCopier::open(const std::string& source,
                                                    const std::string& target) {
    auto copy = std::make_unique<PosixOpenFileCopy>(target, partials_ == PartialFiles::Unnamed);
    copy->open(source);
    return copy;
}

int PosixFileCopier::removeLeftovers(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (IsPartialCopyName(entry->d_name) && ::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    ::closedir(dir);
    return removed;
}

bool PosixFileCopier::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

}  // namespace velocarta
