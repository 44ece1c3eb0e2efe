// The slide show holds the desktop's screen saver off over D-Bus: the real inhibitor,
// talking to a stand-in of the freedesktop ScreenSaver service on a private bus of its own.
#include <QDBusConnection>
#include <memory>

#include "platform/private_session_bus.h"
#include "platform/qt/qt_screen_saver_inhibitor.h"
#include "slide_window_fixture.h"

namespace velocarta {
namespace {

using testing::Click;

// A session bus of its own, which the window's inhibitor is connected to.
class PrivateBus : public testing::PrivateSessionBus {
  public:
    ~PrivateBus() { QDBusConnection::disconnectFromBus(QStringLiteral("slide show")); }
    QDBusConnection connect() const {
        return QDBusConnection::connectToBus(address(), QStringLiteral("slide show"));
    }
};

// The stand-in service on that bus.
class StandIn : public testing::ScreenSaverStandIn {
  public:
    explicit StandIn(const PrivateBus& bus) : ScreenSaverStandIn(bus.address()) {}
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
