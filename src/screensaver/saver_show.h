#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/deadline_timer.h"
#include "screensaver/saver_options.h"

namespace velocarta {
class FileSystem;
}

namespace velocarta {

// What the screen saver program reads from its settings file.
inline constexpr int kDefaultSaverIntervalSeconds = 5;
inline constexpr int kLongestSaverIntervalSeconds = 3600;
struct SaverSettings {
    std::string photoFolder;  // "" when the screen saver was never installed
    int intervalSeconds = kDefaultSaverIntervalSeconds;
};

// The settings as the screen saver takes them from the settings file's text. An interval
// that is missing or not a whole number of at least one second gives the default; a longer
// one than an hour is taken as an hour.
SaverSettings ReadSaverSettings(std::string_view settingsText);
// An interval given as text, or nothing when it is not a whole number of at least 1.
std::optional<int> ParseSaverInterval(std::string_view text);

// The settings with what the command line says in their place.
SaverSettings ApplySaverOptions(SaverSettings settings, const SaverOptions& options);

// The photos of a folder (host paths) in the order the screen saver shows them. A folder
// that is missing or cannot be read has none.
std::vector<std::string> ListSaverPhotos(FileSystem& fileSystem, std::string_view folder);

// The names of a folder listing in the photo catalogue's order: the ".jpg" files (in any
// letter case), sorted by a binary comparison of their upper-cased names.
std::vector<std::string> SaverPhotoOrder(std::vector<std::string> names);

// What the screen shows when there is no photo to show.
std::string SaverNoPhotosText(std::string_view photoFolder);

// The screen saver's show: the photos of its folder in order, each for the interval, round
// after round. The folder is listed again at the start of every round, so photos added to or
// removed from the selection meanwhile are noticed. A photo that cannot be read is passed
// over without a wait; with none to show, the screen for no photos stays up and the folder is
// looked at again after every interval. Photos change on a fixed rhythm from the start, so a
// late timer does not shift the photos after it; after a pause longer than an interval (a
// suspended machine) the rhythm starts again from the moment it resumes.
class SaverShow {
  public:
    // The folder's photos (host paths) in the order to show them.
    using ListPhotos = std::function<std::vector<std::string>()>;
    // Puts a photo on the screen; false when it cannot be read. "" puts up the screen for
    // no photos.
    using ShowPhoto = std::function<bool(const std::string& path)>;

    SaverShow(ListPhotos list, ShowPhoto show, std::chrono::milliseconds interval,
              const MonotonicClock& clock, DeadlineTimer& timer);

    // Shows the first photo and starts the rhythm.
    void start();
    // The photo on the screen; "" for none.
    const std::string& onShow() const { return onShow_; }
    // The rounds begun (each listing of the folder starts one).
    int rounds() const { return rounds_; }

  private:
    void due();
    // Shows the next readable photo, starting a new round past the last one.
    void showNext();
    void arm();

    ListPhotos list_;
    ShowPhoto show_;
    std::chrono::milliseconds interval_;
    const MonotonicClock& clock_;
    DeadlineTimer& timer_;
    std::vector<std::string> round_;
    std::size_t next_ = 0;
    int rounds_ = 0;
    std::string onShow_;
    MonotonicInstant dueAt_{};
};

}  // namespace velocarta
