#include "screensaver/saver/saver_runner.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <iostream>

#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_deadline_timer.h"
#include "screensaver/saver/saver_frame.h"
#include "screensaver/saver/saver_window.h"
#include "screensaver/saver/x11_canvas.h"

namespace velocarta {

namespace {

int signalSockets[2] = {-1, -1};

void OnEndSignal(int) {
    const char note = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(signalSockets[1], &note, 1);
}

// Ends the event loop on SIGTERM (how xscreensaver stops its hacks), SIGINT and SIGHUP, so
// that what the program leaves behind is tidied up.
class QuitOnEndSignals {
  public:
    explicit QuitOnEndSignals(QCoreApplication& app) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
            return;
        }
        notifier_ = std::make_unique<QSocketNotifier>(signalSockets[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, &app,
                         [&app] { app.quit(); });
        struct sigaction action {};
        action.sa_handler = &OnEndSignal;
        ::sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            ::sigaction(signal, &action, nullptr);
        }
    }

  private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace

SaverPlayer::SaverPlayer(const SaverSettings& settings, FileSystem& fileSystem, Screen screen,
                         const MonotonicClock& clock, DeadlineTimer& timer)
    : screen_(std::move(screen)),
      noPhotos_(QString::fromStdString(SaverNoPhotosText(settings.photoFolder))),
      show_([&fileSystem,
             folder = settings.photoFolder] { return ListSaverPhotos(fileSystem, folder); },
            [this](const std::string& path) { return ShowPhoto(path); },
            std::chrono::seconds(settings.intervalSeconds), clock, timer) {}

bool SaverPlayer::ShowPhoto(const std::string& path) {
    if (path.empty()) {
        photo_ = QImage();
        screen_.show(photo_, noPhotos_);
        return true;
    }
    QImage photo = ReadSaverPhoto(path, screen_.size());
    if (photo.isNull()) {
        return false;
    }
    photo_ = std::move(photo);
    screen_.show(photo_, {});
    return true;
}

void SaverPlayer::redraw() {
    screen_.show(photo_, photo_.isNull() ? noPhotos_ : QString());
}

int RunSaverInOwnWindow(int& argc, char** argv, const SaverSettings& settings) {
    QApplication app(argc, argv);
    SaverWindow window;
    PosixFileSystem fileSystem;
    SteadyClock clock;
    QtDeadlineTimer timer;
    const QScreen* screen = QGuiApplication::primaryScreen();
    SaverPlayer player(settings, fileSystem,
                       {[screen] { return screen->size() * screen->devicePixelRatio(); },
                        [&window](const QImage& photo, const QString& message) {
                            window.setPicture(photo, message);
                        }},
                       clock, timer);
    QObject::connect(&window, &SaverWindow::finished, &app, &QApplication::quit);
    const QuitOnEndSignals endSignals(app);
    // The whole screen also where no window manager honours the full-screen state.
    window.setGeometry(screen->geometry());
    window.showFullScreen();
    window.activateWindow();
    player.start();
    return QApplication::exec();
}

int RunSaverOnX11Window(int& argc, char** argv, const SaverSettings& settings,
                        std::uint32_t window) {
    // The pictures go through the canvas's own connection; Qt only reads and composes them.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::unique_ptr<X11Canvas> canvas;
    try {
        canvas = std::make_unique<X11Canvas>(window);
    } catch (const std::runtime_error& error) {
        std::cerr << "Vantrel2000.scr: " << error.what() << "\n";
        return 1;
    }
    PosixFileSystem fileSystem;
    SteadyClock clock;
    QtDeadlineTimer timer;
    X11Canvas& target = *canvas;
    SaverPlayer player(settings, fileSystem,
                       {[&target] { return target.size(); },
                        [&target](const QImage& photo, const QString& message) {
                            target.show(SaverFrame(photo, target.size(), message));
                        }},
                       clock, timer);
    auto handleEvents = [&target, &player, &app] {
        const X11Canvas::Changes changes = target.handleEvents();
        if (changes.gone) {
            app.quit();
        } else if (changes.resized) {
            player.redraw();
        }
    };
    QSocketNotifier notifier(target.fileDescriptor(), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, handleEvents);
    // Events the connection took in while it waited for an answer raise no notice.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, handleEvents);
    poll.start(500);
    const QuitOnEndSignals endSignals(app);
    player.start();
    handleEvents();
    const int code = QGuiApplication::exec();
    if (window == 0) {
        target.clear();
    }
    return code;
}

}  // namespace velocarta
