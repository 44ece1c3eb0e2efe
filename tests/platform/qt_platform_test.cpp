#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLockFile>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>

#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_instance_guard.h"
#include "platform/qt/qt_process_runner.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_window_order.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::TempFolder;

QString LockPathIn(const TempFolder& folder) {
    return QString::fromStdString(folder.path() + "/velocarta.lock");
}

TEST(QtInstanceGuard, ASecondGuardIsRefusedWhileTheFirstLives) {
    TempFolder runtime;
    auto first = std::make_unique<QtInstanceGuard>(LockPathIn(runtime));
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(first->acquire());  // asking again is harmless
    QtInstanceGuard second(LockPathIn(runtime));
    EXPECT_FALSE(second.acquire());
    first.reset();  // the first instance ends
    QtInstanceGuard third(LockPathIn(runtime));
    EXPECT_TRUE(third.acquire());
}

TEST(QtInstanceGuard, TakesOverTheLockOfAProcessThatDied) {
    TempFolder runtime;
    const QString lockPath = LockPathIn(runtime);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child takes the lock and dies without releasing it.
        QLockFile lock(lockPath);
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(lockPath));
    QtInstanceGuard guard(lockPath);
    EXPECT_TRUE(guard.acquire());
}

TEST(QtScreen, TwipsPerPixelFollowTheLogicalDpi) {
    QtScreen screen;
    const QScreen* primary = QGuiApplication::primaryScreen();
    EXPECT_EQ(screen.widthPixels(), primary->size().width());
    EXPECT_EQ(screen.heightPixels(), primary->size().height());
    EXPECT_EQ(screen.twipsPerPixelX(), qRound(1440.0 / primary->logicalDotsPerInchX()));
    screen.setPointer(Pointer::Hourglass);
    screen.setPointer(Pointer::Hourglass);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    screen.setPointer(Pointer::Default);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // one restore undoes the hourglass
}

TEST(QtProcessRunner, PassesArgumentsAsTheyAreAndReturnsTheExitCode) {
    TempFolder folder;
    const std::string out = folder.path() + "/argument";
    QtProcessRunner runner;
    const std::string tricky = "a b; rm -rf \"$HOME\" `x`";
    const int code = runner.startAndWait(
        "/bin/sh", {"-c", "printf '%s' \"$1\" > \"$2\"; exit 3", "sh", tricky, out});
    EXPECT_EQ(code, 3);
    std::ifstream in(out);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), tricky);
}

TEST(QtProcessRunner, WindowEventsRunWhileWaiting) {
    QtProcessRunner runner;
    bool timerRan = false;
    QTimer::singleShot(50, [&timerRan] { timerRan = true; });
    EXPECT_EQ(runner.startAndWait("/bin/sleep", {"0.4"}), 0);
    EXPECT_TRUE(timerRan);
}

TEST(QtProcessRunner, AProgramThatCannotStartThrows) {
    QtProcessRunner runner;
    EXPECT_THROW(runner.startAndWait("/nonexistent/iv5play.exe", {}), ProcessError);
    EXPECT_THROW(runner.start("/nonexistent/iv5play.exe", {}), ProcessError);
}

TEST(QtClipboard, TextAndPictures) {
    TempFolder folder;
    QtClipboard clipboard;
    clipboard.setText("65A.JPG");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("65A.JPG"));
    const std::string picture = folder.path() + "/emb64.png";
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(picture)));
    clipboard.setPictureFromFile(picture);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(12, 8));
    image.fill(Qt::green);
    clipboard.setImage(image);
    EXPECT_EQ(QGuiApplication::clipboard()->image().pixelColor(1, 1), QColor(Qt::green));
    const std::string notAPicture = folder.writeFile("/broken.jpg", "not a jpeg");
    EXPECT_THROW(clipboard.setPictureFromFile(notAPicture), std::runtime_error);
}

TEST(QtWindowOrder, TopmostAndBackWithoutMoving) {
    QWidget window;
    window.setGeometry(40, 50, 200, 100);
    window.show();
    QtWindowOrder order;
    order.setAlwaysOnTop(window, TopMode::NotTopmost);  // never topmost: nothing happens
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    order.setAlwaysOnTop(window, TopModeOfFlag(-1));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry().size(), QSize(200, 100));
    order.setAlwaysOnTop(window, TopModeOfFlag(0));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(TopModeOfFlag(1), TopMode::Top);
}

TEST(QtHelpViewer, ShowsTheRegisteredHtmlFile) {
    TempFolder folder;
    const std::string help =
        folder.writeFile("/vantrel2000.HLP", "<html><body><h1>Getting started</h1></body></html>");
    QtHelpViewer viewer;
    EXPECT_THROW(viewer.showContents(), std::runtime_error);  // nothing registered yet
    viewer.registerHelpFile(help);
    EXPECT_EQ(viewer.helpFile(), help);
    viewer.showContents();
    QTextBrowser* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<QTextBrowser*>(widget); browser && browser->isVisible()) {
            window = browser;
        }
    }
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->toPlainText().contains(QStringLiteral("Getting started")));
    viewer.quit();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace velocarta
