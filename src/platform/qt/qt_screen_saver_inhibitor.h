#pragma once

#include <QDBusConnection>
#include <QString>

#include <chrono>
#include <optional>

#include "platform/screen_saver_inhibitor.h"

namespace velocarta {

// Holds the screen saver off through the freedesktop ScreenSaver service of the session bus
// (org.freedesktop.ScreenSaver: Inhibit(application, reason) -> cookie, UnInhibit(cookie)),
// at /org/freedesktop/ScreenSaver or, on older desktops, /ScreenSaver. Every call waits at
// most `timeout` for an answer; without a bus or a service nothing is held. A service that
// once let a call time out is not asked again, so a hung desktop costs one wait only. The
// hold ends with release(), with this object, and with the program (the bus drops the holds
// of a closed connection).
class QtScreenSaverInhibitor final : public ScreenSaverInhibitor {
  public:
    explicit QtScreenSaverInhibitor(
        QDBusConnection bus = QDBusConnection::sessionBus(),
        std::chrono::milliseconds timeout = std::chrono::milliseconds(1000));
    ~QtScreenSaverInhibitor() override;
    QtScreenSaverInhibitor(const QtScreenSaverInhibitor&) = delete;
    QtScreenSaverInhibitor& operator=(const QtScreenSaverInhibitor&) = delete;

    bool inhibit(const std::string& application, const std::string& reason) override;
    void release() override;
    bool held() const override { return cookie_.has_value(); }

  private:
    enum class Outcome { Held, NoSuchObject, Unavailable };
    Outcome tryInhibit(const QString& path, const QString& application, const QString& reason);

    QDBusConnection bus_;
    int timeoutMs_;
    bool serviceHung_ = false;
    std::optional<uint> cookie_;
    QString heldPath_;
};

}  // namespace velocarta
