#include "support/failing_file_system.h"

#include <algorithm>

namespace velocarta::testing {

namespace {

class FailingListing final : public DirListing {
  public:
    FailingListing(std::unique_ptr<DirListing> real, FailingFileSystem& owner)
        : real_(std::move(real)), owner_(owner) {}
    std::string next() override {
        const int call = ++owner_.nextCalls;
        auto& failing = owner_.failNextCalls;
        if (const auto it = std::find(failing.begin(), failing.end(), call); it != failing.end()) {
            failing.erase(it);
            throw FileSystemError("injected failure of listing step " + std::to_string(call));
        }
        return real_->next();
    }

  private:
    std::unique_ptr<DirListing> real_;
    FailingFileSystem& owner_;
};

}  // namespace

std::unique_ptr<DirListing> FailingFileSystem::list(const ContentFile& pattern) {
    ++opens;
    if (opens <= failOpens) {
        throw FileSystemError("injected failure to open the listing");
    }
    return std::make_unique<FailingListing>(real_.list(pattern), *this);
}

}  // namespace velocarta::testing
