#include "platform/qt/qt_instance_guard.h"

#include <QDir>
#include <QStandardPaths>

namespace velocarta {

namespace {
QString DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/velocarta.lock");
}
}  // namespace

QtInstanceGuard::QtInstanceGuard() : QtInstanceGuard(DefaultLockPath()) {}

QtInstanceGuard::QtInstanceGuard(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath)) {
    // Only a lock whose process is gone is stale, however old it is.
    lock_->setStaleLockTime(0);
}

bool QtInstanceGuard::acquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

}  // namespace velocarta
