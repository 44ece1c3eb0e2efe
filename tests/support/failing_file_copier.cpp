#include "support/failing_file_copier.h"

#include <cstring>

namespace velocarta::testing {

namespace {

class FailingOpenCopy final : public OpenFileCopy {
  public:
    FailingOpenCopy(std::unique_ptr<OpenFileCopy> real, FailingFileCopier& owner)
        : real_(std::move(real)), owner_(owner) {}
    std::int64_t length() const override { return real_->length(); }
    bool sameFile() const override { return real_->sameFile(); }
    std::int64_t transferred() const override { return real_->transferred(); }
    void transfer(std::int64_t bytes) override {
        ++owner_.transfers;
        if (owner_.beforeTransfer) {
            owner_.beforeTransfer(owner_.transfers, bytes);
        }
        if (owner_.transfers == owner_.failTransfer) {
            throw FileCopyError(owner_.failWith, std::strerror(owner_.failWith));
        }
        real_->transfer(bytes);
    }
    void commit() override { real_->commit(); }

  private:
    std::unique_ptr<OpenFileCopy> real_;
    FailingFileCopier& owner_;
};

}  // namespace

std::unique_ptr<OpenFileCopy> FailingFileCopier::open(const std::string& source,
                                                      const std::string& target) {
    lastSource = source;
    if (++opens == failOpen) {
        throw FileCopyError(failWith, std::strerror(failWith));
    }
    return std::make_unique<FailingOpenCopy>(real_.open(source, target), *this);
}

}  // namespace velocarta::testing
