#include "app/start_scale.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "content/utilities.h"
#include "platform/qt/qt_screen.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

// The program's start on an offscreen screen of a given size: the scale is decided, the
// application is made, the environment is put back.
class StartScaleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"QT_QPA_PLATFORM", "QT_SCALE_FACTOR"}) {
            if (qEnvironmentVariableIsSet(name)) {
                saved_.emplace_back(name, qgetenv(name));
            }
        }
        qunsetenv("QT_SCALE_FACTOR");
    }
    void TearDown() override {
        qunsetenv("QT_SCALE_FACTOR");
        for (const auto& [name, value] : saved_) {
            qputenv(name, value);
        }
    }

    // Every application of the test sees one screen of this many logical pixels, which the
    // desktop scales by `ratio`.
    void useScreen(int width, int height, double ratio = 1) {
        const std::string config = folder_.writeFile(
            "screen.json", "{\"screens\": [{\"name\": \"s\", \"x\": 0, \"y\": 0, \"width\": " +
                               std::to_string(width) + ", \"height\": " + std::to_string(height) +
                               ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": " +
                               std::to_string(ratio) + "}]}");
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString("offscreen:configfile=" + config));
    }

    struct Started {
        double factor = 0;
        QByteArray variableWhileStarting;
        bool variableSetAfterwards = false;
        QByteArray variableAfterwards;
        QSize logicalScreen;
        qreal ratio = 0;
        bool screenIs800By600 = false;
    };

    static Started start(const ScaleChoice& choice) {
        char name[] = "velocarta";
        char* argv[] = {name, nullptr};
        int argc = 1;
        Started started;
        StartScale scale(choice, argc, argv);
        started.factor = scale.factor();
        started.variableWhileStarting = qgetenv("QT_SCALE_FACTOR");
        QGuiApplication app(argc, argv);
        scale.restoreEnvironment();
        started.variableSetAfterwards = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
        started.variableAfterwards = qgetenv("QT_SCALE_FACTOR");
        started.logicalScreen = QGuiApplication::primaryScreen()->size();
        started.ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        started.screenIs800By600 = ScreenIs(QtScreen(), 800, 600);
        return started;
    }

  private:
    testing::TempFolder folder_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

TEST_F(StartScaleTest, FittedOnAFullHdScreen) {
    useScreen(1920, 1080);
    const Started started = start({});
    EXPECT_DOUBLE_EQ(started.factor, 2.05);
    EXPECT_EQ(started.variableWhileStarting, "2.05");
    EXPECT_DOUBLE_EQ(started.ratio, 2.05);
    // The layout rules see the screen in logical pixels.
    EXPECT_EQ(started.logicalScreen, QSize(937, 527));
    EXPECT_FALSE(started.screenIs800By600);
    // Programs started later are not scaled by it.
    EXPECT_FALSE(started.variableSetAfterwards);
}

TEST_F(StartScaleTest, TheDesignScreenKeepsItsSize) {
    useScreen(800, 600);
    const Started started = start({});
    EXPECT_EQ(started.factor, 1.0);
    EXPECT_EQ(started.variableWhileStarting, "");
    EXPECT_DOUBLE_EQ(started.ratio, 1.0);
    EXPECT_TRUE(started.screenIs800By600);
}

TEST_F(StartScaleTest, AChosenFactorThatMakesTheDesignScreen) {
    useScreen(1600, 1200);
    const Started started = start({false, 2.0});
    EXPECT_EQ(started.variableWhileStarting, "2");
    EXPECT_EQ(started.logicalScreen, QSize(800, 600));
    // So the designed layout applies, as on a real 800 by 600 screen.
    EXPECT_TRUE(started.screenIs800By600);
}

TEST_F(StartScaleTest, OnTopOfADesktopThatDoublesEverything) {
    // A 3840 by 2160 screen that the desktop scales by 2: 1920 by 1080 logical pixels.
    useScreen(1920, 1080, 2);
    const Started started = start({});
    EXPECT_DOUBLE_EQ(started.factor, 2.05);
    EXPECT_DOUBLE_EQ(started.ratio, 4.1);
    EXPECT_EQ(started.logicalScreen, QSize(937, 527));
}

TEST_F(StartScaleTest, OnTopOfTheUsersOwnScaleFactor) {
    useScreen(1920, 1080);
    qputenv("QT_SCALE_FACTOR", "1.5");
    // Measured at 1280 by 720 logical pixels: 1.35 more.
    const Started started = start({});
    EXPECT_DOUBLE_EQ(started.factor, 1.35);
    EXPECT_EQ(started.variableWhileStarting, "2.025");
    EXPECT_DOUBLE_EQ(started.ratio, 2.025);
    EXPECT_TRUE(started.variableSetAfterwards);
    EXPECT_EQ(started.variableAfterwards, "1.5");
}

TEST_F(StartScaleTest, AChosenFactorOfOneChangesNothing) {
    useScreen(1920, 1080);
    const Started started = start({false, 1.0});
    EXPECT_EQ(started.variableWhileStarting, "");
    EXPECT_EQ(started.logicalScreen, QSize(1920, 1080));
}

}  // namespace
}  // namespace velocarta
