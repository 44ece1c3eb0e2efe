// The screen saver program's own window and its player, offscreen, with real input events
// and a clock the test moves.
#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>

#include "platform/posix/posix_file_system.h"
#include "screensaver/saver/saver_frame.h"
#include "screensaver/saver/saver_runner.h"
#include "screensaver/saver/saver_window.h"
#include "support/fake_timing.h"
#include "support/sample_content.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using namespace std::chrono_literals;

QImage Filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
           std::abs(a.blue() - b.blue()) < 12;
}

class OwnWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(320, 120);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(&window, &SaverWindow::finished, [this] { ++finished; });
    }
    void move(QPoint to) {
        QMouseEvent event(QEvent::MouseMove, QPointF(to), window.mapToGlobal(QPointF(to)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }

    SaverWindow window;
    int finished = 0;
};

TEST_F(OwnWindow, ShowsThePhotoAsLargeAsItFitsOnBlack) {
    window.setPicture(Filled({64, 48}, Qt::red), {});
    const QImage shot = window.grab().toImage();
    EXPECT_TRUE(Near(shot.pixelColor(160, 60), Qt::red));
    EXPECT_TRUE(Near(shot.pixelColor(100, 60), Qt::red));   // 160 wide, from 80 to 240
    EXPECT_TRUE(Near(shot.pixelColor(60, 60), Qt::black));  // beside the photo
    EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
}

TEST_F(OwnWindow, WithoutPhotosItSaysWhy) {
    window.setPicture(QImage(), QStringLiteral("There are no photos in /p/ssvantrels/"));
    const QImage shot = window.grab().toImage();
    int lit = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            lit += qGray(shot.pixel(x, y)) > 100 ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 100);
}

TEST_F(OwnWindow, AnyKeyEndsIt) {
    QTest::keyClick(&window, Qt::Key_Shift);
    EXPECT_EQ(finished, 1);
}

TEST_F(OwnWindow, AButtonOrTheWheelEndsIt) {
    QTest::mouseClick(&window, Qt::RightButton);
    EXPECT_GE(finished, 1);
    finished = 0;
    QWheelEvent wheel(QPointF(10, 10), window.mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &wheel);
    EXPECT_EQ(finished, 1);
}

TEST_F(OwnWindow, MovingTheMouseEndsItATwitchDoesNot) {
    move({100, 50});  // the window appeared under the pointer
    move({102, 51});
    EXPECT_EQ(finished, 0);
    move({110, 50});
    EXPECT_EQ(finished, 1);
}

TEST(SaverFrame, KeepsThePhotosShape) {
    const QImage frame = SaverFrame(Filled({100, 100}, Qt::blue), {300, 100}, {});
    EXPECT_EQ(frame.size(), QSize(300, 100));
    EXPECT_TRUE(Near(frame.pixelColor(150, 50), Qt::blue));
    EXPECT_TRUE(Near(frame.pixelColor(90, 50), Qt::black));
    EXPECT_TRUE(Near(frame.pixelColor(210, 50), Qt::black));
}

// The player on a real folder of photos, with a screen that notes what it was given.
TEST(SaverPlayer, ShowsTheFoldersPhotosInOrderAndPassesOverABrokenOne) {
    const testing::TempFolder folder;
    testing::WriteJpeg(folder, "/ss/65A.JPG", {32, 24}, Qt::blue);
    testing::WriteJpeg(folder, "/ss/64a.jpg", {32, 24}, Qt::red);
    folder.writeFile("/ss/64B.JPG", "not a picture");
    testing::WriteJpeg(folder, "/ss/66A.JPG", {32, 24}, Qt::green);
    PosixFileSystem fileSystem;
    testing::FakeClock clock;
    testing::FakeDeadlineTimer timer(clock);
    std::vector<std::pair<QColor, long long>> shown;
    QString message;
    SaverPlayer player({folder.path() + "/ss/", 2}, fileSystem,
                       {[] { return QSize(640, 480); },
                        [&](const QImage& photo, const QString& text) {
                            shown.emplace_back(photo.isNull() ? QColor() : photo.pixelColor(5, 5),
                                               clock.elapsedMs());
                            message = text;
                        }},
                       clock, timer);
    player.start();
    timer.runUntil(clock.start() + 6s);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(Near(shown[0].first, Qt::red));
    EXPECT_EQ(shown[0].second, 0);
    EXPECT_TRUE(Near(shown[1].first, Qt::blue));  // 64B is no picture
    EXPECT_EQ(shown[1].second, 2000);
    EXPECT_TRUE(Near(shown[2].first, Qt::green));
    EXPECT_TRUE(Near(shown[3].first, Qt::red));
    EXPECT_EQ(shown[3].second, 6000);
    player.redraw();  // the screen changed its size
    EXPECT_TRUE(Near(shown.back().first, Qt::red));
    EXPECT_EQ(message, QString());
}

TEST(SaverPlayer, AnEmptyFolderPutsUpItsMessage) {
    const testing::TempFolder folder;
    PosixFileSystem fileSystem;
    testing::FakeClock clock;
    testing::FakeDeadlineTimer timer(clock);
    QString message;
    SaverPlayer player({"", 5}, fileSystem,
                       {[] { return QSize(640, 480); },
                        [&](const QImage&, const QString& text) { message = text; }},
                       clock, timer);
    player.start();
    EXPECT_EQ(
        message,
        QStringLiteral("Install the screen saver from the File menu of The Vantrel Velocarta."));
}

}  // namespace
}  // namespace velocarta
