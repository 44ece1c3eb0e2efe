#include "platform/posix/posix_profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_system.h"
#include "screensaver/profile_text.h"

namespace velocarta {

namespace {

[[noreturn]] void Fail(const char* what, const std::string& path, int error) {
    throw FileSystemError(std::string(what) + " " + path + ": " + std::strerror(error));
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting what close() says (a delayed write error shows here).
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names once its symbolic links are followed, the last one even when it
// points to a file that does not exist yet.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::string target(4096, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return path;  // not a link (or not there): the path itself
        }
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : FolderOf(path) + "/" + target;
    }
    Fail("Cannot follow the links of", path, ELOOP);
}

// Writes all of `text`; the error number of a failed write, 0 on success.
int WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A folder the user may not write to, holding a file the user may: the file is rewritten
// where it is.
void WriteInPlace(const std::string& path, std::string_view text) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (file.get() < 0) {
        Fail("Cannot write", path, errno);
    }
    if (const int error = WriteAll(file.get(), text)) {
        Fail("Cannot write", path, error);
    }
    if (const int error = file.close()) {
        Fail("Cannot write", path, error);
    }
}

}  // namespace

std::optional<std::string> ReadProfileFile(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        Fail("Cannot read", path, errno);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        Fail("Cannot read", path, errno);
    }
    if (S_ISDIR(info.st_mode)) {
        Fail("Cannot read", path, EISDIR);
    }
    std::string text;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("Cannot read", path, errno);
        }
        if (got == 0) {
            return text;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

void WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    const std::string target = FollowLinks(path);
    const std::optional<std::string> old = ReadProfileFile(target);
    const std::string text = SetProfileString(old.value_or(""), section, key, value);

    struct stat info {};
    if (old) {
        // A file the user may not write stays as it is, although its folder would let a new
        // file take its place.
        Descriptor probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
        if (probe.get() < 0 || ::fstat(probe.get(), &info) != 0) {
            Fail("Cannot write", target, errno);
        }
    }
    std::string partial = FolderOf(target) + "/.Vantrel2000-settings-XXXXXX";
    Descriptor file(::mkostemp(partial.data(), O_CLOEXEC));
    if (file.get() < 0) {
        const int error = errno;
        if (old && (error == EACCES || error == EPERM)) {
            WriteInPlace(target, text);
            return;
        }
        Fail("Cannot write", target, error);
    }
    auto failed = [&](int error) {
        ::unlink(partial.c_str());
        Fail("Cannot write", target, error);
    };
    if (::fchmod(file.get(), old ? (info.st_mode & 07777) : NewFileMode()) != 0) {
        failed(errno);
    }
    if (old && ::geteuid() == 0) {
        // Written by root for a user: the file stays the user's.
        [[maybe_unused]] const int ignored = ::fchown(file.get(), info.st_uid, info.st_gid);
    }
    if (const int error = WriteAll(file.get(), text)) {
        failed(error);
    }
    if (::fsync(file.get()) != 0) {
        failed(errno);
    }
    if (const int error = file.close()) {
        failed(error);
    }
    if (::rename(partial.c_str(), target.c_str()) != 0) {
        failed(errno);
    }
}

}  // namespace velocarta
