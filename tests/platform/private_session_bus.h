#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include "support/temp_folder.h"

namespace velocarta::testing {

// A session bus of its own: a dbus-daemon on a socket in a temporary folder. Throws when
// the daemon cannot be started.
class PrivateSessionBus {
  public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    const QString& address() const { return address_; }

  private:
    TempFolder folder_;
    QProcess daemon_;
    QString address_;
};

// The stand-in of the freedesktop ScreenSaver service (the program screen_saver_standin) on
// the bus at `busAddress`, logging every call it takes. Throws when it does not start.
class ScreenSaverStandIn {
  public:
    explicit ScreenSaverStandIn(const QString& busAddress, const QStringList& options = {});
    ~ScreenSaverStandIn() { stop(); }
    ScreenSaverStandIn(const ScreenSaverStandIn&) = delete;
    ScreenSaverStandIn& operator=(const ScreenSaverStandIn&) = delete;

    // Ends the service; it lets go of its name once the bus has seen its connection close.
    void stop();
    // The calls taken so far, one line each.
    QStringList calls() const;

  private:
    TempFolder folder_;
    QString log_;
    QProcess process_;
};

}  // namespace velocarta::testing
