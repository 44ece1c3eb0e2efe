#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/qt/media_device.h"

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace velocarta {

// The multimedia device on Qt Multimedia (GStreamer): WAV sounds and AVI movies.
class QtMediaDevice final : public MediaDevice {
  public:
    QtMediaDevice();
    ~QtMediaDevice() override;
    void setDeviceType(const std::string& type) override { deviceType_ = type; }
    void setFileName(const std::string& hostPath) override { fileName_ = hostPath; }
    void setDisplayWindow(QWidget* window) override { display_ = window; }
    void command(const std::string& command) override;
    bool isPlaying() const override;

  private:
    void open();
    void close();

    std::string deviceType_;
    std::string fileName_;
    QPointer<QWidget> display_;
    std::unique_ptr<QMediaPlayer> player_;
    std::unique_ptr<QAudioOutput> audio_;
    QPointer<QVideoWidget> video_;
};

}  // namespace velocarta
