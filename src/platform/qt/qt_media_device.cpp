#include "platform/qt/qt_media_device.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoSink>
#include <fstream>

#include "platform/qt/video_surface.h"

namespace velocarta {

// The open file and what plays it. The player goes before the outputs it feeds.
struct QtMediaDevice::Session {
    DeviceType type = DeviceType::WaveAudio;
    std::string path;
    MediaFacts facts;
    QAudioOutput audio;
    QVideoSink sink;
    QMediaPlayer player;
    QPointer<VideoSurface> surface;
    QVideoFrame lastFrame;
    bool atEnd = false;
    std::string failure;  // why playback broke off

    bool movie() const { return type == DeviceType::AVIVideo; }
    std::string cannotPlay(std::string_view reason) const {
        return CannotPlayMessage(type, path, reason);
    }
    ~Session() { delete surface.data(); }
};

namespace {

enum class Loading { Loaded, Failed, TimedOut };

// Waits, taking no user input meanwhile, until the player has loaded its source or failed.
// `failure` is the first error the player reports.
Loading WaitUntilLoaded(QMediaPlayer& player, std::chrono::milliseconds timeout, QString& failure) {
    auto settled = [&player, &failure] {
        const QMediaPlayer::MediaStatus status = player.mediaStatus();
        return !failure.isEmpty() || status == QMediaPlayer::LoadedMedia ||
               status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::InvalidMedia;
    };
    QEventLoop loop;
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop,
                     [&](QMediaPlayer::Error error, const QString& text) {
                         if (error != QMediaPlayer::NoError && failure.isEmpty()) {
                             failure = text.isEmpty() ? QStringLiteral("unknown error") : text;
                         }
                         loop.quit();
                     });
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
        if (settled()) {
            loop.quit();
        }
    });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    if (!settled()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!failure.isEmpty() || player.mediaStatus() == QMediaPlayer::InvalidMedia) {
        if (failure.isEmpty()) {
            failure = player.errorString();
        }
        return Loading::Failed;
    }
    return settled() ? Loading::Loaded : Loading::TimedOut;
}

std::string StreamsOf(const MediaFacts& facts) {
    std::string streams;
    if (facts.hasVideo) {
        streams = "video " + CodecName(facts.videoCodec);
    }
    if (facts.hasAudio) {
        streams += (streams.empty() ? "sound " : ", sound ") + AudioFormatName(facts.audioFormat);
    }
    return streams;
}

}  // namespace

QtMediaDevice::QtMediaDevice(std::chrono::milliseconds openTimeout) : openTimeout_(openTimeout) {}

QtMediaDevice::~QtMediaDevice() {
    listener_ = nullptr;
    close();
}

std::chrono::milliseconds QtMediaDevice::position() const {
    return std::chrono::milliseconds(session_ ? session_->player.position() : 0);
}

VideoSurface* QtMediaDevice::surface() const {
    return session_ ? session_->surface.data() : nullptr;
}

void QtMediaDevice::setDisplayWindow(QWidget* window) {
    display_ = window;
    if (session_ && session_->movie()) {
        placePicture(mode_ == DeviceMode::Playing);
    }
}

std::unique_ptr<QtMediaDevice::Session> QtMediaDevice::load(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    if (path.empty()) {
        throw MediaError(type_ == DeviceType::WaveAudio ? "No sound file is named."
                                                        : "No movie file is named.");
    }
    if (!file.exists()) {
        throw MediaError(CannotPlayMessage(type_, path, "the file cannot be found"));
    }
    if (!file.isFile()) {
        throw MediaError(CannotPlayMessage(type_, path, "it is not a file"));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw MediaError(CannotPlayMessage(type_, path, "the file cannot be read"));
    }
    MediaFacts facts;
    try {
        facts = InspectMediaFile(in, type_);
    } catch (const MediaFileProblem& problem) {
        throw MediaError(CannotPlayMessage(type_, path, problem.what()));
    }
    auto session = std::make_unique<Session>();
    session->type = type_;
    session->path = path;
    session->facts = facts;
    QMediaPlayer& player = session->player;
    player.setAudioOutput(&session->audio);
    if (session->movie()) {
        player.setVideoOutput(&session->sink);
    }
    player.setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    QString failure;
    switch (WaitUntilLoaded(player, openTimeout_, failure)) {
        case Loading::Failed: {
            // GStreamer's words, and what the file holds, to tell a missing codec apart.
            while (failure.endsWith(QLatin1Char('.'))) {
                failure.chop(1);
            }
            throw MediaError(session->cannotPlay(failure.toStdString() + " (" +
                                                 StreamsOf(session->facts) + ")"));
        }
        case Loading::TimedOut:
            throw MediaError(session->cannotPlay(
                "it did not load within " +
                std::to_string(std::chrono::ceil<std::chrono::seconds>(openTimeout_).count()) +
                " seconds"));
        case Loading::Loaded:
            break;
    }
    // GStreamer plays the streams it can decode and drops the others without an error.
    if (facts.hasVideo && !player.hasVideo()) {
        throw MediaError(session->cannotPlay("the video codec " + CodecName(facts.videoCodec) +
                                             " is not installed"));
    }
    if (facts.hasAudio && !player.hasAudio()) {
        throw MediaError(session->cannotPlay(
            "its sound format (" + AudioFormatName(facts.audioFormat) + ") is not supported"));
    }
    return session;
}

void QtMediaDevice::watch(Session& session) {
    QMediaPlayer& player = session.player;
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &player,
                     [this, &session](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia) {
                             session.atEnd = true;
                             changedByPlayer(DeviceMode::Stopped, {});
                         }
                     });
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &player,
                     [this, &session](QMediaPlayer::Error error, const QString& text) {
                         if (error == QMediaPlayer::NoError || !session.failure.empty()) {
                             return;
                         }
                         session.failure = session.cannotPlay(text.toStdString());
                         const bool running = mode_ == DeviceMode::Playing;
                         session.player.pause();
                         mode_ = DeviceMode::Stopped;
                         if (running) {
                             changedByPlayer(DeviceMode::Stopped, session.failure);
                         }
                     });
    // An empty frame (the player stopping) leaves the last picture on show.
    QObject::connect(&session.sink, &QVideoSink::videoFrameChanged, &player,
                     [&session](const QVideoFrame& frame) {
                         if (!frame.isValid()) {
                             return;
                         }
                         session.lastFrame = frame;
                         if (session.surface) {
                             session.surface->setFrame(frame);
                         }
                     });
}

void QtMediaDevice::open() {
    close();
    std::unique_ptr<Session> session = load(fileName_);
    // Whatever a handler opened while this file loaded gives way to it.
    close();
    session_ = std::move(session);
    ++sessionNumber_;
    watch(*session_);
    mode_ = DeviceMode::Stopped;
    if (session_->movie()) {
        placePicture(false);
        session_->player.pause();  // shows the first frame
    }
}

void QtMediaDevice::play() {
    if (!session_) {
        throw MediaError("Nothing is open to play.");
    }
    if (!session_->failure.empty()) {
        throw MediaError(session_->failure);
    }
    if (session_->movie()) {
        placePicture(true);
    }
    session_->atEnd = false;
    session_->player.play();
    mode_ = DeviceMode::Playing;
}

void QtMediaDevice::pause() {
    if (!session_ || session_->atEnd) {
        return;
    }
    session_->player.pause();
    mode_ = DeviceMode::Paused;
}

void QtMediaDevice::stop() {
    if (!session_) {
        return;
    }
    if (!session_->atEnd) {
        session_->player.pause();
    }
    mode_ = DeviceMode::Stopped;
}

void QtMediaDevice::prev() {
    if (!session_) {
        return;
    }
    session_->player.pause();
    session_->player.setPosition(0);
    session_->atEnd = false;
    mode_ = DeviceMode::Stopped;
}

void QtMediaDevice::close() {
    if (!session_) {
        return;
    }
    session_->player.stop();
    session_.reset();
    mode_ = DeviceMode::NotOpen;
}

void QtMediaDevice::placePicture(bool ownWindow) {
    Session& session = *session_;
    VideoSurface* surface = session.surface;
    const bool inDisplay = surface && surface->parentWidget() != nullptr;
    if (surface && ((display_ && inDisplay && surface->parentWidget() == display_) ||
                    (!display_ && !inDisplay))) {
        if (!inDisplay && ownWindow) {
            surface->show();
        }
        return;
    }
    delete surface;
    if (!display_ && !ownWindow) {
        return;
    }
    const QSize nativeSize(session.facts.width, session.facts.height);
    surface = new VideoSurface(display_, nativeSize);
    session.surface = surface;
    if (session.lastFrame.isValid()) {
        surface->setFrame(session.lastFrame);
    }
    if (!display_) {
        surface->setWindowTitle(QFileInfo(QString::fromStdString(session.path)).fileName());
        QObject::connect(surface, &VideoSurface::closedByUser, &session.player, [this] {
            if (mode_ == DeviceMode::Playing || mode_ == DeviceMode::Paused) {
                stop();
                changedByPlayer(DeviceMode::Stopped, {});
            }
        });
    }
    surface->show();
}

void QtMediaDevice::changedByPlayer(DeviceMode mode, const std::string& failure) {
    mode_ = mode;
    const unsigned session = sessionNumber_;
    QMetaObject::invokeMethod(
        &notifier_,
        [this, session, failure] {
            if (listener_ && session == sessionNumber_ && session_) {
                listener_(mode_, failure);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace velocarta
