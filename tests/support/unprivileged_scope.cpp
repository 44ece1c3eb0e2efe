#include "support/unprivileged_scope.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include <pwd.h>
#include <unistd.h>

namespace velocarta::testing {

namespace {

// The traditional id of "nobody", for systems without that entry.
constexpr uid_t kNobodyId = 65534;

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

UnprivilegedScope::UnprivilegedScope() : uid_(::geteuid()), gid_(::getegid()) {
    if (uid_ != 0) {
        return;
    }
    uid_t uid = kNobodyId;
    gid_t gid = kNobodyId;
    if (const passwd* nobody = ::getpwnam("nobody")) {
        uid = nobody->pw_uid;
        gid = nobody->pw_gid;
    }
    // The group first: without root's powers the group could not change any more. The saved
    // ids stay root's, so the destructor can switch back.
    if (::setegid(gid) != 0) {
        Fail("cannot take the group of nobody");
    }
    if (::seteuid(uid) != 0) {
        const int error = errno;
        if (::setegid(gid_) != 0) {
            std::abort();
        }
        errno = error;
        Fail("cannot take the identity of nobody");
    }
    switched_ = true;
}

UnprivilegedScope::~UnprivilegedScope() {
    // Back to root, then to root's group. Root's saved ids allow both; a process that could
    // not become root again would run every later test under the wrong identity.
    if (switched_ && (::seteuid(uid_) != 0 || ::setegid(gid_) != 0)) {
        std::abort();
    }
}

}  // namespace velocarta::testing
