#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <future>
#include <map>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "platform/file_system.h"

namespace velocarta {

// A photo that cannot be shown: missing, unreadable or no picture at all.
class PhotoLoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Decodes photos for the photo control at the size it shows them, and decodes the
// neighbours of the photo on show ahead of time on a worker thread, so that a step shows
// a photo that is already decoded. Only the photos named by the last prefetch (and the one
// on show) are kept.
class PhotoCache {
  public:
    explicit PhotoCache(FileSystem& fileSystem);
    ~PhotoCache();
    PhotoCache(const PhotoCache&) = delete;
    PhotoCache& operator=(const PhotoCache&) = delete;

    // The photo fitted into `target` device pixels (never enlarged). Throws PhotoLoadError.
    QImage load(const ContentFile& photo, QSize target);

    // Starts decoding these photos in the background and forgets every other one except
    // `onShow`.
    void prefetch(const ContentFile& onShow, const std::vector<ContentFile>& neighbours,
                  QSize target);

    std::size_t photosHeld() const;
    // Decodes a photo file at the size it will be shown (a full-size decode for an
    // invalid target). Throws PhotoLoadError.
    static QImage Decode(const QString& hostPath, QSize target);

  private:
    using Key = std::pair<std::string, std::pair<int, int>>;
    struct Result {
        QImage image;
        std::string error;
    };
    Key KeyOf(const ContentFile& photo, QSize target) const;
    std::shared_future<Result> Start(const ContentFile& photo, QSize target);

    FileSystem& fileSystem_;
    // Decodes run here; the cache waits for all of them, dropped ones too, when it goes.
    QThreadPool pool_;
    mutable std::mutex mutex_;
    std::map<Key, std::shared_future<Result>> photos_;
};

}  // namespace velocarta
