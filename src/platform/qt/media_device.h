#pragma once

#include <stdexcept>
#include <string>

class QWidget;

namespace velocarta {

class MediaError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The multimedia device: a device type ("WaveAudio", "AVIVideo"), a file name and the
// string commands "open", "play", "stop", "prev" and "close". A command that fails (a
// missing or unplayable file) throws MediaError.
class MediaDevice {
  public:
    virtual ~MediaDevice() = default;
    virtual void setDeviceType(const std::string& type) = 0;
    virtual void setFileName(const std::string& hostPath) = 0;
    // The window a movie is shown in; nullptr for a window of the device's own.
    virtual void setDisplayWindow(QWidget* window) = 0;
    virtual void command(const std::string& command) = 0;
    virtual bool isPlaying() const = 0;
};

}  // namespace velocarta
