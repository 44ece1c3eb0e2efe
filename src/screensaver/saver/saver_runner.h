#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/deadline_timer.h"
#include "screensaver/saver_show.h"

namespace velocarta {

class FileSystem;

// The screen saver's show put on a screen: each photo read and composed for the screen's
// size. The screen is whatever draws a composed picture: the own window or an X window.
class SaverPlayer {
  public:
    struct Screen {
        std::function<QSize()> size;
        std::function<void(const QImage& photo, const QString& message)> show;
    };

    SaverPlayer(const SaverSettings& settings, FileSystem& fileSystem, Screen screen,
                const MonotonicClock& clock, DeadlineTimer& timer);

    void start() { show_.start(); }
    // Puts the photo on show up again (the screen changed its size).
    void redraw();
    const SaverShow& show() const { return show_; }

  private:
    bool ShowPhoto(const std::string& path);

    Screen screen_;
    QString noPhotos_;
    QImage photo_;
    SaverShow show_;
};

// Runs the screen saver until it ends; the program's exit code.
int RunSaverInOwnWindow(int& argc, char** argv, const SaverSettings& settings);
// window 0: the root window.
int RunSaverOnX11Window(int& argc, char** argv, const SaverSettings& settings,
                        std::uint32_t window);

}  // namespace velocarta
