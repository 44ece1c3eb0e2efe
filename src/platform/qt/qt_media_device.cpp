#include "platform/qt/qt_media_device.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace velocarta {

QtMediaDevice::QtMediaDevice() = default;

QtMediaDevice::~QtMediaDevice() {
    close();
}

void QtMediaDevice::command(const std::string& command) {
    if (command == "open") {
        open();
    } else if (command == "play") {
        if (!player_) {
            throw MediaError("The device is not open");
        }
        player_->play();
    } else if (command == "stop") {
        if (player_) {
            player_->pause();
        }
    } else if (command == "prev") {
        if (player_) {
            player_->setPosition(0);
        }
    } else if (command == "close") {
        close();
    } else {
        throw MediaError("Unknown command " + command);
    }
}

bool QtMediaDevice::isPlaying() const {
    return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
}

void QtMediaDevice::open() {
    close();
    const QFileInfo file(QString::fromStdString(fileName_));
    if (!file.isFile() || !file.isReadable()) {
        throw MediaError("Cannot open " + fileName_);
    }
    player_ = std::make_unique<QMediaPlayer>();
    audio_ = std::make_unique<QAudioOutput>();
    player_->setAudioOutput(audio_.get());
    if (deviceType_ != "WaveAudio") {
        // A movie plays inside the display window when there is one, else in its own.
        video_ = new QVideoWidget(display_);
        video_->setAccessibleName(QStringLiteral("Movie"));
        if (display_) {
            if (!display_->layout()) {
                auto* layout = new QVBoxLayout(display_);
                layout->setContentsMargins(0, 0, 0, 0);
            }
            display_->layout()->addWidget(video_);
        } else {
            video_->setAttribute(Qt::WA_DeleteOnClose);
            video_->resize(640, 480);
        }
        player_->setVideoOutput(video_);
        video_->show();
    }
    player_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    if (player_->error() != QMediaPlayer::NoError) {
        const std::string reason = player_->errorString().toStdString();
        close();
        throw MediaError("Cannot play " + fileName_ + ": " + reason);
    }
}

void QtMediaDevice::close() {
    if (player_) {
        player_->stop();
        player_->setVideoOutput(static_cast<QObject*>(nullptr));
    }
    player_.reset();
    audio_.reset();
    if (video_) {
        video_->close();
        video_->deleteLater();
    }
}

}  // namespace velocarta
