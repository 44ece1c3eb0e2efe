// The screen-saver hold against a stand-in service on a private session bus of its own:
// the test starts a dbus-daemon and points DBUS_SESSION_BUS_ADDRESS at it before anything
// connects, so the inhibitor's default session bus is that private one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <fstream>
#include <memory>

#include "platform/qt/qt_screen_saver_inhibitor.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::TempFolder;

const QString kServiceName = QStringLiteral("org.freedesktop.ScreenSaver");

class PrivateSessionBus final : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "screen_saver_inhibitor_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);

        folder_ = std::make_unique<TempFolder>();
        const std::string config = folder_->path() + "/session.conf";
        std::ofstream(config)
            << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration "
               "1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n"
               "  <type>session</type>\n"
               "  <listen>unix:path="
            << folder_->path()
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
        ASSERT_TRUE(daemon_.waitForStarted(10000)) << "dbus-daemon cannot be started";
        while (!daemon_.canReadLine()) {
            ASSERT_TRUE(daemon_.waitForReadyRead(10000)) << "dbus-daemon gave no address";
        }
        const QByteArray address = daemon_.readLine().trimmed();
        ASSERT_FALSE(address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    }

    void TearDown() override {
        daemon_.kill();
        daemon_.waitForFinished(10000);
        // Before the program's own end, while Qt's globals still stand.
        app_.reset();
    }

  private:
    std::unique_ptr<QCoreApplication> app_;
    std::unique_ptr<TempFolder> folder_;
    QProcess daemon_;
};

const auto* const kBus = ::testing::AddGlobalTestEnvironment(new PrivateSessionBus);

// Waits until nobody owns the service name (a stand-in that was stopped lets go of it once
// the bus has seen its connection close).
void WaitUntilNoService() {
    QElapsedTimer waited;
    waited.start();
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    while (bus->isServiceRegistered(kServiceName).value()) {
        ASSERT_LT(waited.elapsed(), 10000) << "the stand-in's name stays taken";
        QThread::msleep(20);
    }
}

// The stand-in service, logging every call it takes.
class StandIn {
  public:
    explicit StandIn(const QStringList& options = {}) {
        log_ = QString::fromStdString(folder_.path() + "/calls.log");
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(SCREEN_SAVER_STANDIN),
                       QStringList{QStringLiteral("--log"), log_} + options);
        EXPECT_TRUE(process_.waitForStarted(10000));
        while (!process_.canReadLine() && process_.state() == QProcess::Running) {
            process_.waitForReadyRead(10000);
        }
        EXPECT_EQ(process_.readLine().trimmed(), "ready");
    }
    ~StandIn() {
        process_.terminate();
        process_.waitForFinished(10000);
        WaitUntilNoService();
    }

    QStringList calls() const {
        QFile file(log_);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

  private:
    TempFolder folder_;
    QString log_;
    QProcess process_;
};

const std::string kApplication = "The Vantrel Velocarta 2000";
const std::string kReason = "Slide show playing";

TEST(QtScreenSaverInhibitor, InhibitPassesTheTextsAndReleaseHandsBackTheCookie) {
    StandIn service;
    QtScreenSaverInhibitor inhibitor;
    EXPECT_TRUE(inhibitor.inhibit(kApplication, kReason));
    EXPECT_TRUE(inhibitor.held());
    EXPECT_EQ(service.calls(),
              QStringList{
                  QStringLiteral("Inhibit\tThe Vantrel Velocarta 2000\tSlide show playing\t7001")});
    inhibitor.release();
    EXPECT_FALSE(inhibitor.held());
    ASSERT_EQ(service.calls().size(), 2);
    EXPECT_EQ(service.calls()[1], QStringLiteral("UnInhibit\t7001"));
    inhibitor.release();
    EXPECT_EQ(service.calls().size(), 2);
}

TEST(QtScreenSaverInhibitor, ASecondInhibitWhileHeldDoesNotStack) {
    StandIn service;
    QtScreenSaverInhibitor inhibitor;
    EXPECT_TRUE(inhibitor.inhibit(kApplication, kReason));
    EXPECT_TRUE(inhibitor.inhibit(kApplication, kReason));
    EXPECT_EQ(service.calls().size(), 1);
    inhibitor.release();
    EXPECT_TRUE(inhibitor.inhibit(kApplication, kReason));
    inhibitor.release();
    EXPECT_EQ(service.calls(),
              (QStringList{QStringLiteral("Inhibit\tThe Vantrel Velocarta 2000\tSlide show "
                                          "playing\t7001"),
                           QStringLiteral("UnInhibit\t7001"),
                           QStringLiteral("Inhibit\tThe Vantrel Velocarta 2000\tSlide show "
                                          "playing\t7002"),
                           QStringLiteral("UnInhibit\t7002")}));
}

TEST(QtScreenSaverInhibitor, OlderDesktopsAreReachedAtTheShortPath) {
    StandIn service({QStringLiteral("--path"), QStringLiteral("/ScreenSaver")});
    QtScreenSaverInhibitor inhibitor;
    EXPECT_TRUE(inhibitor.inhibit(kApplication, kReason));
    inhibitor.release();
    EXPECT_EQ(service.calls().size(), 2);
    EXPECT_EQ(service.calls().value(1), QStringLiteral("UnInhibit\t7001"));
}

TEST(QtScreenSaverInhibitor, TheHoldEndsWithTheInhibitor) {
    StandIn service;
    {
        QtScreenSaverInhibitor inhibitor;
        EXPECT_TRUE(inhibitor.inhibit(kApplication, kReason));
    }
    EXPECT_EQ(service.calls().value(1), QStringLiteral("UnInhibit\t7001"));
}

TEST(QtScreenSaverInhibitor, WithoutTheServiceNothingIsHeldAndNothingFails) {
    WaitUntilNoService();
    QtScreenSaverInhibitor inhibitor;
    EXPECT_FALSE(inhibitor.inhibit(kApplication, kReason));
    EXPECT_FALSE(inhibitor.held());
    inhibitor.release();
    EXPECT_FALSE(inhibitor.held());
}

TEST(QtScreenSaverInhibitor, AServiceThatNeverAnswersIsAskedOnce) {
    StandIn service({QStringLiteral("--silent")});
    QtScreenSaverInhibitor inhibitor(QDBusConnection::sessionBus(), std::chrono::milliseconds(200));
    EXPECT_FALSE(inhibitor.inhibit(kApplication, kReason));
    EXPECT_FALSE(inhibitor.inhibit(kApplication, kReason));
    EXPECT_FALSE(inhibitor.held());
    EXPECT_EQ(service.calls().size(), 1);
}

TEST(QtScreenSaverInhibitor, WithoutABusNothingIsHeld) {
    const QDBusConnection nowhere = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/velocarta/bus"), QStringLiteral("nowhere"));
    ASSERT_FALSE(nowhere.isConnected());
    QtScreenSaverInhibitor inhibitor(nowhere);
    EXPECT_FALSE(inhibitor.inhibit(kApplication, kReason));
    EXPECT_FALSE(inhibitor.held());
}

}  // namespace
}  // namespace velocarta
