#include "private_session_bus.h"

#include <QFile>
#include <QProcessEnvironment>
#include <fstream>
#include <stdexcept>

namespace velocarta::testing {

PrivateSessionBus::PrivateSessionBus() {
    const std::string config = folder_.path() + "/session.conf";
    std::ofstream(config) << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus "
                             "Configuration 1.0//EN\"\n"
                             " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                             "<busconfig>\n"
                             "  <type>session</type>\n"
                             "  <listen>unix:path="
                          << folder_.path()
                          << "/bus</listen>\n"
                             "  <auth>EXTERNAL</auth>\n"
                             "  <policy context=\"default\">\n"
                             "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                             "    <allow eavesdrop=\"true\"/>\n"
                             "    <allow own=\"*\"/>\n"
                             "  </policy>\n"
                             "</busconfig>\n";
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + QString::fromStdString(config),
                   QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!daemon_.waitForStarted(10000)) {
        throw std::runtime_error("dbus-daemon cannot be started");
    }
    while (!daemon_.canReadLine()) {
        if (!daemon_.waitForReadyRead(10000)) {
            throw std::runtime_error("dbus-daemon gave no address");
        }
    }
    address_ = QString::fromUtf8(daemon_.readLine().trimmed());
    if (address_.isEmpty()) {
        throw std::runtime_error("dbus-daemon gave an empty address");
    }
}

PrivateSessionBus::~PrivateSessionBus() {
    daemon_.kill();
    daemon_.waitForFinished(10000);
}

ScreenSaverStandIn::ScreenSaverStandIn(const QString& busAddress, const QStringList& options) {
    log_ = QString::fromStdString(folder_.path() + "/calls.log");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(SCREEN_SAVER_STANDIN),
                   QStringList{QStringLiteral("--log"), log_} + options);
    process_.waitForStarted(10000);
    while (!process_.canReadLine() && process_.state() == QProcess::Running) {
        process_.waitForReadyRead(10000);
    }
    if (process_.readLine().trimmed() != "ready") {
        throw std::runtime_error("the stand-in service did not start");
    }
}

void ScreenSaverStandIn::stop() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        process_.waitForFinished(10000);
    }
}

QStringList ScreenSaverStandIn::calls() const {
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace velocarta::testing
