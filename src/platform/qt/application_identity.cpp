#include "platform/qt/application_identity.h"

#include <QCoreApplication>

namespace velocarta {

void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("velocarta"));
}

}  // namespace velocarta
