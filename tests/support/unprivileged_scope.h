#pragma once

#include <sys/types.h>

namespace velocarta::testing {

// Runs the code of its lifetime without the powers of root, so that file permissions apply
// as they do to a user: as root it takes the effective identity of "nobody" and gives it
// back when it goes; as any other user it changes nothing. Folders the code must reach have
// to be open to others. Throws std::runtime_error when the identity
// cannot be changed.
class UnprivilegedScope {
  public:
    UnprivilegedScope();
    ~UnprivilegedScope();
    UnprivilegedScope(const UnprivilegedScope&) = delete;
    UnprivilegedScope& operator=(const UnprivilegedScope&) = delete;

  private:
    bool switched_ = false;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

}  // namespace velocarta::testing
