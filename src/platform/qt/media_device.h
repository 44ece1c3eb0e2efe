#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "platform/media_file.h"

class QWidget;

namespace velocarta {

// A file the device cannot open or play, or an operation it cannot carry out. The message
// is meant for the user: it names the file and the reason.
class MediaError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class DeviceMode { NotOpen, Stopped, Playing, Paused };

// The multimedia device: one WAV sound or AVI movie open at a time. Set the device type, the
// file name and (for a movie) the display window, then open, play, stop, prev and close.
// Every operation is done when it returns; open() waits until the file is loaded, so a file
// that cannot be played throws there and not later.
class MediaDevice {
  public:
    // Runs when the mode changes by itself, to Stopped: the media reached its end, playback
    // broke off (`failure` then says why; else it is empty), or the user closed the window
    // of its own that a movie without a display window plays in. It runs from the event
    // loop, never inside an operation; the operations' own changes are not reported.
    using ModeListener = std::function<void(DeviceMode mode, const std::string& failure)>;

    virtual ~MediaDevice() = default;

    // Take effect at the next open().
    virtual void setDeviceType(DeviceType type) = 0;
    virtual void setFileName(const std::string& hostPath) = 0;
    // The widget a movie is drawn in, scaled to fit; the picture follows the widget's size.
    // nullptr (the default): the movie gets a window of its own when it plays. Changing it
    // while a movie is open moves the picture.
    virtual void setDisplayWindow(QWidget* window) = 0;

    // Closes what is open, then opens the file: a movie shows its first frame in the display
    // window. Throws MediaError for a missing, damaged or unplayable file (the device is then
    // closed).
    virtual void open() = 0;
    // Plays from the current position (from the start after the end was reached). Throws
    // MediaError when nothing is open.
    virtual void play() = 0;
    // Halts at the current position; pause() leaves the mode Paused, stop() Stopped. Nothing
    // happens when nothing is open.
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Rewinds to the start: the next play() begins at the first frame.
    virtual void prev() = 0;
    // Ends whatever is open (a sound that plays stops). Nothing happens when nothing is open.
    virtual void close() = 0;

    virtual DeviceMode mode() const = 0;
    bool isPlaying() const { return mode() == DeviceMode::Playing; }
    virtual void setModeListener(ModeListener listener) = 0;
};

}  // namespace velocarta
