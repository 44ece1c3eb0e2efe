#include "support/system_faults.h"

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace velocarta::testing {

namespace {

constexpr uid_t kNobody = 65534;

// Once per process: a private copy of the mount table, so that what a test mounts is
// gone when the process ends, however it ends.
void EnterPrivateMounts() {
    static const bool entered = [] {
        return ::unshare(CLONE_NEWNS) == 0 &&
               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }();
    (void)entered;
}

}  // namespace

std::unique_ptr<ScopedTmpfs> ScopedTmpfs::Mount(const std::string& folder, std::size_t bytes) {
    EnterPrivateMounts();
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        return nullptr;
    }
    return std::unique_ptr<ScopedTmpfs>(new ScopedTmpfs(folder));
}

ScopedTmpfs::~ScopedTmpfs() {
    ::umount2(folder_.c_str(), MNT_DETACH);
}

bool ScopedTmpfs::makeReadOnly() {
    return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

std::string RunWithoutPrivileges(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("cannot start a child process");
    }
    if (child == 0) {
        ::close(fds[0]);
        std::string result;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            result = "cannot drop privileges";
        } else {
            try {
                result = body();
            } catch (const std::exception& error) {
                result = std::string("exception: ") + error.what();
            }
        }
        for (std::size_t done = 0; done < result.size();) {
            const ssize_t put = ::write(fds[1], result.data() + done, result.size() - done);
            if (put <= 0) {
                break;
            }
            done += static_cast<std::size_t>(put);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return output;
}

}  // namespace velocarta::testing
