#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace velocarta::testing {

// A small tmpfs mounted over a folder for the life of the object: a real disk that fills
// up, or that is read-only. The mounts are made in a mount namespace of this test process
// where the system allows one, so that none outlives the test.
class ScopedTmpfs {
  public:
    // Nothing when this process may not mount (not root, or a confined container).
    static std::unique_ptr<ScopedTmpfs> Mount(const std::string& folder, std::size_t bytes);
    ~ScopedTmpfs();
    ScopedTmpfs(const ScopedTmpfs&) = delete;
    ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;

    // Mounts it again read-only; false when that is refused.
    bool makeReadOnly();
    const std::string& folder() const { return folder_; }

  private:
    explicit ScopedTmpfs(std::string folder) : folder_(std::move(folder)) {}
    std::string folder_;
};

// Runs `body` in a child process that has no more rights than an ordinary user (it becomes
// "nobody" when the test runs as root, for whom no permission bit counts) and returns the
// text it returned. Folders the child must reach need to be open to others.
std::string RunWithoutPrivileges(const std::function<std::string()>& body);

}  // namespace velocarta::testing
