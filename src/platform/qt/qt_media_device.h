#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <memory>

#include "platform/qt/media_device.h"

namespace velocarta {

class VideoSurface;

// The multimedia device on Qt Multimedia, GStreamer underneath: WAV sounds and AVI movies.
// The sound goes to the system's default output. With no sound server and no sound card
// GStreamer plays into a silent sink at the same pace, so playback still runs to its end.
class QtMediaDevice final : public MediaDevice {
  public:
    // open() gives up on a file that has not loaded after `openTimeout`.
    explicit QtMediaDevice(std::chrono::milliseconds openTimeout = std::chrono::seconds(10));
    ~QtMediaDevice() override;
    QtMediaDevice(const QtMediaDevice&) = delete;
    QtMediaDevice& operator=(const QtMediaDevice&) = delete;

    void setDeviceType(DeviceType type) override { type_ = type; }
    void setFileName(const std::string& hostPath) override { fileName_ = hostPath; }
    void setDisplayWindow(QWidget* window) override;
    void open() override;
    void play() override;
    void pause() override;
    void stop() override;
    void prev() override;
    void close() override;
    DeviceMode mode() const override { return mode_; }
    void setModeListener(ModeListener listener) override { listener_ = std::move(listener); }

    // How far playback has come from the start; zero when nothing is open.
    std::chrono::milliseconds position() const;

    // Where the open movie is drawn (in the display window, or its own window while it
    // plays without one); nullptr when nothing shows.
    VideoSurface* surface() const;

  private:
    struct Session;
    std::unique_ptr<Session> load(const std::string& path);
    void watch(Session& session);
    // Puts the movie's picture where it belongs now: in the display window, in a window of
    // its own when `ownWindow` and there is no display window, or nowhere.
    void placePicture(bool ownWindow);
    // A change the player made by itself; the listener hears of it from the event loop.
    void changedByPlayer(DeviceMode mode, const std::string& failure);

    DeviceType type_ = DeviceType::WaveAudio;
    std::string fileName_;
    QPointer<QWidget> display_;
    std::chrono::milliseconds openTimeout_;
    std::unique_ptr<Session> session_;
    unsigned sessionNumber_ = 0;
    DeviceMode mode_ = DeviceMode::NotOpen;
    ModeListener listener_;
    // Context of the listener's queued calls: they are dropped when the device goes.
    QObject notifier_;
};

}  // namespace velocarta
