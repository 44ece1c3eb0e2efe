// The slide show holds the desktop's screen saver off over D-Bus: the real inhibitor,
// talking to a stand-in of the freedesktop ScreenSaver service on a private bus of its own.
#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <fstream>
#include <memory>

#include "platform/qt/qt_screen_saver_inhibitor.h"
#include "slide_window_fixture.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::Click;
using testing::TempFolder;

// A session bus of its own: a dbus-daemon on a socket in a temporary folder.
class PrivateBus {
  public:
    PrivateBus() {
        const std::string config = folder_.path() + "/session.conf";
        std::ofstream(config)
            << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration "
               "1.0//EN\"\n"
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
        address = QString::fromUtf8(daemon_.readLine().trimmed());
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus(QStringLiteral("slide show"));
        daemon_.kill();
        daemon_.waitForFinished(10000);
    }
    QDBusConnection connect() const {
        return QDBusConnection::connectToBus(address, QStringLiteral("slide show"));
    }

    QString address;

  private:
    TempFolder folder_;
    QProcess daemon_;
};

// The stand-in service on that bus, logging every call it takes.
class StandIn {
  public:
    explicit StandIn(const PrivateBus& bus) {
        log_ = QString::fromStdString(folder_.path() + "/calls.log");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address);
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(SCREEN_SAVER_STANDIN), {QStringLiteral("--log"), log_});
        process_.waitForStarted(10000);
        while (!process_.canReadLine() && process_.state() == QProcess::Running) {
            process_.waitForReadyRead(10000);
        }
        if (process_.readLine().trimmed() != "ready") {
            throw std::runtime_error("the stand-in service did not start");
        }
    }
    ~StandIn() {
        process_.terminate();
        process_.waitForFinished(10000);
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

const QString kInhibit =
    QStringLiteral("Inhibit\tThe Vantrel Velocarta 2000\tSlide show playing\t");

class SlideScreenSaver : public testing::SlideWindowTest {
  protected:
    void SetUp() override {
        harness.screenSaverService = &inhibitor;
        SlideWindowTest::SetUp();
    }
    void TearDown() override {
        // The windows go before the inhibitor they use.
        harness.windows.reset();
    }

    PrivateBus bus;
    QtScreenSaverInhibitor inhibitor{bus.connect()};
};

TEST_F(SlideScreenSaver, PlayHoldsTheScreenSaverOffAndPauseAndExitLetGo) {
    StandIn service(bus);
    Click(testing::YearButton(*form, 3));
    openShow();
    EXPECT_TRUE(service.calls().isEmpty());
    press("Play");
    EXPECT_EQ(service.calls(), QStringList{kInhibit + QStringLiteral("7001")});
    run(3000);
    EXPECT_EQ(service.calls().size(), 1);
    press("Pause");
    EXPECT_EQ(service.calls().value(1), QStringLiteral("UnInhibit\t7001"));
    press("Play");
    press("Exit");
    EXPECT_EQ(service.calls(),
              (QStringList{kInhibit + QStringLiteral("7001"), QStringLiteral("UnInhibit\t7001"),
                           kInhibit + QStringLiteral("7002"), QStringLiteral("UnInhibit\t7002")}));
}

TEST_F(SlideScreenSaver, WhereNoServiceAnswersTheShowPlaysOn) {
    Click(testing::YearButton(*form, 3));
    openShow();
    press("Play");
    EXPECT_FALSE(inhibitor.held());
    run(2000);
    EXPECT_EQ(picture(), testing::EntryOf("66C"));
    EXPECT_EQ(boxes(), 0U);
}

}  // namespace
}  // namespace velocarta
