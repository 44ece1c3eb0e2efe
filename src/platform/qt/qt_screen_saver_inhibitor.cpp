#include "platform/qt/qt_screen_saver_inhibitor.h"

#include <QDBusError>
#include <QDBusMessage>

#include <utility>

namespace velocarta {

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kInterface = QStringLiteral("org.freedesktop.ScreenSaver");
// The standard path first; desktops of the older kind only serve the short one.
const QString kPaths[] = {QStringLiteral("/org/freedesktop/ScreenSaver"),
                          QStringLiteral("/ScreenSaver")};

QDBusMessage Call(const QString& path, const QString& method) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, kInterface, method);
    // Starting a screen saver just to ask it to stay off makes no sense.
    message.setAutoStartService(false);
    return message;
}

}  // namespace

QtScreenSaverInhibitor::QtScreenSaverInhibitor(QDBusConnection bus,
                                               std::chrono::milliseconds timeout)
    : bus_(std::move(bus)), timeoutMs_(static_cast<int>(timeout.count())) {}

QtScreenSaverInhibitor::~QtScreenSaverInhibitor() {
    release();
}

bool QtScreenSaverInhibitor::inhibit(const std::string& application, const std::string& reason) {
    if (held()) {
        return true;
    }
    if (serviceHung_ || !bus_.isConnected()) {
        return false;
    }
    const QString app = QString::fromStdString(application);
    const QString why = QString::fromStdString(reason);
    for (const QString& path : kPaths) {
        if (tryInhibit(path, app, why) != Outcome::NoSuchObject) {
            break;
        }
    }
    return held();
}

QtScreenSaverInhibitor::Outcome QtScreenSaverInhibitor::tryInhibit(const QString& path,
                                                                   const QString& application,
                                                                   const QString& reason) {
    QDBusMessage message = Call(path, QStringLiteral("Inhibit"));
    message << application << reason;
    const QDBusMessage reply = bus_.call(message, QDBus::Block, timeoutMs_);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        const QList<QVariant> arguments = reply.arguments();
        if (arguments.size() == 1 && arguments.front().canConvert<uint>()) {
            cookie_ = arguments.front().toUInt();
            heldPath_ = path;
            return Outcome::Held;
        }
        return Outcome::Unavailable;
    }
    switch (QDBusError(reply).type()) {
        case QDBusError::UnknownObject:
        case QDBusError::UnknownMethod:
        case QDBusError::UnknownInterface:
            return Outcome::NoSuchObject;
        case QDBusError::NoReply:
        case QDBusError::Timeout:
        case QDBusError::TimedOut:
            serviceHung_ = true;
            return Outcome::Unavailable;
        default:
            return Outcome::Unavailable;
    }
}

void QtScreenSaverInhibitor::release() {
    if (!cookie_) {
        return;
    }
    QDBusMessage message = Call(heldPath_, QStringLiteral("UnInhibit"));
    message << *cookie_;
    cookie_.reset();
    // The answer only tells whether the service still knew the cookie; either way the hold
    // is gone.
    bus_.call(message, QDBus::Block, timeoutMs_);
}

}  // namespace velocarta
