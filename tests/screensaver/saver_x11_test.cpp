// The screen saver drawing into X windows it does not own, on an X server of the test's
// own: the canvas alone, then the real program as xscreensaver starts it.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QColor>
#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "screensaver/saver/x11_canvas.h"
#include "support/sample_content.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 16 && std::abs(a.green() - b.green()) < 16 &&
           std::abs(a.blue() - b.blue()) < 16;
}

// A window of another program: mapped on the screen, its pixels read back as the server has
// them.
class ForeignWindow {
  public:
    ForeignWindow(int width, int height) {
        connection_ = xcb_connect(nullptr, nullptr);
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        id_ = xcb_generate_id(connection_);
        const std::uint32_t values[] = {screen_->black_pixel};
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, id_, screen_->root, 10, 10,
                          static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, XCB_CW_BACK_PIXEL,
                          values);
        xcb_map_window(connection_, id_);
        sync();
    }
    ~ForeignWindow() { xcb_disconnect(connection_); }

    std::uint32_t id() const { return id_; }
    std::uint32_t root() const { return screen_->root; }
    void sync() {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    QColor pixel(int x, int y, std::uint32_t window = 0) {
        auto* reply = xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window ? window : id_,
                          static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 1, 1, ~0u),
            nullptr);
        if (reply == nullptr) {
            return {};
        }
        std::uint32_t value = 0;
        std::memcpy(&value, xcb_get_image_data(reply), 4);
        std::free(reply);
        return QColor::fromRgb(value & 0xffffff);
    }
    // Whether the pixel turns `colour` within the time.
    bool shows(int x, int y, QColor colour, std::uint32_t window = 0, int milliseconds = 5000) {
        return QTest::qWaitFor([&] { return Near(pixel(x, y, window), colour); }, milliseconds);
    }
    void clear() {
        xcb_clear_area(connection_, 1, id_, 0, 0, 0, 0);
        sync();
    }
    void resize(int width, int height) {
        const std::uint32_t values[] = {static_cast<std::uint32_t>(width),
                                        static_cast<std::uint32_t>(height)};
        xcb_configure_window(connection_, id_, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                             values);
        sync();
    }
    void destroy() {
        xcb_destroy_window(connection_, id_);
        sync();
    }

  private:
    xcb_connection_t* connection_;
    xcb_screen_t* screen_;
    xcb_window_t id_;
};

QImage Filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Handles the canvas's events until `done` holds (or two seconds have passed).
template <class Done>
bool HandleUntil(X11Canvas& canvas, Done done) {
    const QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired()) {
        if (done(canvas.handleEvents())) {
            return true;
        }
        QTest::qWait(10);
    }
    return false;
}

TEST(X11Canvas, DrawsIntoAnotherProgramsWindowAndRepairsItsExposures) {
    ForeignWindow window(320, 240);
    X11Canvas canvas(window.id());
    EXPECT_EQ(canvas.size(), QSize(320, 240));
    canvas.show(Filled({320, 240}, QColor(0, 160, 0)));
    EXPECT_TRUE(window.shows(160, 120, QColor(0, 160, 0)));
    window.clear();  // the window is uncovered: its own background first
    EXPECT_TRUE(Near(window.pixel(160, 120), Qt::black));
    EXPECT_TRUE(HandleUntil(canvas, [&](X11Canvas::Changes) {
        window.sync();
        return Near(window.pixel(160, 120), QColor(0, 160, 0));
    }));
}

TEST(X11Canvas, NoticesANewSizeAndAWindowThatWent) {
    ForeignWindow window(320, 240);
    X11Canvas canvas(window.id());
    window.resize(200, 100);
    EXPECT_TRUE(HandleUntil(canvas, [](X11Canvas::Changes changes) { return changes.resized; }));
    EXPECT_EQ(canvas.size(), QSize(200, 100));
    window.destroy();
    EXPECT_TRUE(HandleUntil(canvas, [](X11Canvas::Changes changes) { return changes.gone; }));
}

TEST(X11Canvas, DrawsTheWholeRootWindowAndGivesItBack) {
    ForeignWindow window(100, 100);
    X11Canvas canvas(0);
    EXPECT_EQ(canvas.window(), window.root());
    EXPECT_EQ(canvas.size(), QSize(1280, 1024));  // more than one request can carry
    QImage picture = Filled(canvas.size(), QColor(20, 40, 200));
    for (int y = 1000; y < 1024; ++y) {
        for (int x = 0; x < 1280; ++x) {
            picture.setPixelColor(x, y, QColor(250, 250, 0));
        }
    }
    canvas.show(picture);
    // The canvas's requests travel on its own connection: wait for the server to get there.
    EXPECT_TRUE(window.shows(640, 500, QColor(20, 40, 200), window.root()));
    EXPECT_TRUE(window.shows(640, 1020, QColor(250, 250, 0), window.root()));
    canvas.clear();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !Near(window.pixel(640, 500, window.root()), QColor(20, 40, 200)); }, 5000));
}

TEST(X11Canvas, ANonWindowIsRefused) {
    EXPECT_THROW(X11Canvas(0x7ffffff), std::runtime_error);
}

// The program as xscreensaver starts it, on a folder of two photos one second apart.
class SaverProgram : public ::testing::TestWithParam<bool> {};

TEST_P(SaverProgram, ShowsThePhotosInOrderAndEndsWhenTold) {
    const bool asXscreensaverDoes = GetParam();
    ForeignWindow window(320, 240);
    const testing::TempFolder folder;
    testing::WriteJpeg(folder, "/photos/A0A.JPG", {64, 48}, QColor(0, 0, 220));
    testing::WriteJpeg(folder, "/photos/64a.jpg", {64, 48}, QColor(220, 0, 0));
    QProcess saver;
    QStringList arguments{
        QStringLiteral("-folder"),   QString::fromStdString(folder.path() + "/photos/"),
        QStringLiteral("-interval"), QStringLiteral("1"),
        QStringLiteral("-settings"), QString::fromStdString(folder.path() + "/none.ini")};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString id = QStringLiteral("0x%1").arg(window.id(), 0, 16);
    if (asXscreensaverDoes) {
        environment.insert(QStringLiteral("XSCREENSAVER_WINDOW"), id);
        arguments.prepend(QStringLiteral("-root"));
    } else {
        arguments = QStringList{QStringLiteral("-window-id"), id} + arguments;
    }
    saver.setProcessEnvironment(environment);
    saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver.start(QStringLiteral(VELOCARTA_SAVER_PROGRAM), arguments);
    ASSERT_TRUE(saver.waitForStarted(10000));
    // 64A first: 2000's code sorts after 1999's.
    EXPECT_TRUE(window.shows(160, 120, QColor(220, 0, 0), 0, 20000));
    EXPECT_TRUE(window.shows(160, 120, QColor(0, 0, 220), 0, 20000));
    EXPECT_TRUE(window.shows(160, 120, QColor(220, 0, 0), 0, 20000));
    saver.terminate();
    ASSERT_TRUE(saver.waitForFinished(20000));
    EXPECT_EQ(saver.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(saver.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, SaverProgram, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "RootInXscreensaversWindow"
                                                           : "WindowId");
                         });

}  // namespace
}  // namespace velocarta
