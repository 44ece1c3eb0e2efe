#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

#include "platform/instance_guard.h"

namespace velocarta {

// A lock file in the user's runtime folder. A lock whose owner has died is stale and taken
// over, so a crash never keeps the program from starting again.
class QtInstanceGuard final : public InstanceGuard {
  public:
    // The default lock lives in the runtime folder (XDG_RUNTIME_DIR).
    QtInstanceGuard();
    explicit QtInstanceGuard(const QString& lockPath);
    bool acquire() override;

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace velocarta
