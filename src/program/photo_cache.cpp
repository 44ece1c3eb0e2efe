#include "program/photo_cache.h"

#include <QImageReader>
#include <memory>

namespace velocarta {

PhotoCache::PhotoCache(FileSystem& fileSystem) : fileSystem_(fileSystem) {
    pool_.setMaxThreadCount(2);
}

PhotoCache::~PhotoCache() {
    pool_.waitForDone();
}

QImage PhotoCache::Decode(const QString& hostPath, QSize target) {
    QImageReader reader(hostPath);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid()) {
        throw PhotoLoadError("Cannot read the photo " + hostPath.toStdString() + ": " +
                             reader.errorString().toStdString());
    }
    if (target.isValid() && (full.width() > target.width() || full.height() > target.height())) {
        // JPEG decodes straight to a smaller size far faster than to its full size.
        reader.setScaledSize(full.scaled(target, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw PhotoLoadError("Cannot read the photo " + hostPath.toStdString() + ": " +
                             reader.errorString().toStdString());
    }
    return image;
}

PhotoCache::Key PhotoCache::KeyOf(const ContentFile& photo, QSize target) const {
    return {photo.full(), {target.width(), target.height()}};
}

std::shared_future<PhotoCache::Result> PhotoCache::Start(const ContentFile& photo, QSize target) {
    FileSystem* fileSystem = &fileSystem_;
    auto task = std::make_shared<std::packaged_task<Result()>>([fileSystem, photo, target] {
        Result result;
        try {
            const auto path = fileSystem->resolve(photo);
            if (!path) {
                throw PhotoLoadError("Cannot find the photo " + photo.full());
            }
            result.image = Decode(QString::fromStdString(*path), target);
        } catch (const std::exception& error) {
            result.error = error.what();
        }
        return result;
    });
    std::shared_future<Result> future = task->get_future().share();
    pool_.start([task] { (*task)(); });
    return future;
}

QImage PhotoCache::load(const ContentFile& photo, QSize target) {
    std::shared_future<Result> result;
    {
        std::lock_guard lock(mutex_);
        const auto it = photos_.find(KeyOf(photo, target));
        if (it != photos_.end()) {
            result = it->second;
        }
    }
    if (result.valid()) {
        // A prefetch is done or under way: waiting for it beats decoding again.
        const Result& ready = result.get();
        if (ready.error.empty()) {
            return ready.image;
        }
    }
    const auto path = fileSystem_.resolve(photo);
    if (!path) {
        throw PhotoLoadError("Cannot find the photo " + photo.full());
    }
    QImage image = Decode(QString::fromStdString(*path), target);
    std::promise<Result> done;
    done.set_value({image, {}});
    std::lock_guard lock(mutex_);
    photos_[KeyOf(photo, target)] = done.get_future().share();
    return image;
}

void PhotoCache::prefetch(const ContentFile& onShow, const std::vector<ContentFile>& neighbours,
                          QSize target) {
    std::map<Key, std::shared_future<Result>> kept;
    std::lock_guard lock(mutex_);
    auto keep = [&](const ContentFile& photo, bool start) {
        const Key key = KeyOf(photo, target);
        if (kept.count(key) != 0) {
            return;
        }
        const auto it = photos_.find(key);
        if (it != photos_.end()) {
            kept[key] = it->second;
        } else if (start) {
            kept[key] = Start(photo, target);
        }
    };
    keep(onShow, false);
    for (const ContentFile& photo : neighbours) {
        keep(photo, true);
    }
    // Dropped decodes that are still running finish on their own; their futures own the
    // results.
    photos_.swap(kept);
}

std::size_t PhotoCache::photosHeld() const {
    std::lock_guard lock(mutex_);
    return photos_.size();
}

}  // namespace velocarta
