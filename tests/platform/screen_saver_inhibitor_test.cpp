// The screen-saver hold against a stand-in service on a private session bus of its own:
// the test starts a dbus-daemon and points DBUS_SESSION_BUS_ADDRESS at it before anything
// connects, so the inhibitor's default session bus is that private one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QThread>

#include <memory>

#include "platform/qt/qt_screen_saver_inhibitor.h"
#include "private_session_bus.h"

namespace velocarta {
namespace {

using testing::PrivateSessionBus;
using testing::ScreenSaverStandIn;

const QString kServiceName = QStringLiteral("org.freedesktop.ScreenSaver");

// The bus every connection of this program makes by default: a private one, named in
// DBUS_SESSION_BUS_ADDRESS before anything connects.
class SessionBusEnvironment final : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "screen_saver_inhibitor_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
        bus_ = std::make_unique<PrivateSessionBus>();
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus_->address().toUtf8());
    }

    void TearDown() override {
        bus_.reset();
        // Before the program's own end, while Qt's globals still stand.
        app_.reset();
    }

  private:
    std::unique_ptr<QCoreApplication> app_;
    std::unique_ptr<PrivateSessionBus> bus_;
};

const auto* const kBus = ::testing::AddGlobalTestEnvironment(new SessionBusEnvironment);

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

// The stand-in on the default bus; the next test finds the service name free again.
class StandIn : public ScreenSaverStandIn {
  public:
    explicit StandIn(const QStringList& options = {})
        : ScreenSaverStandIn(QString::fromUtf8(qgetenv("DBUS_SESSION_BUS_ADDRESS")), options) {}
    ~StandIn() {
        stop();
        WaitUntilNoService();
    }
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
