#include "screensaver/saver_show.h"

#include <algorithm>
#include <charconv>

#include "content/text.h"
#include "platform/file_system.h"
#include "screensaver/profile_text.h"
#include "screensaver/screen_saver_rules.h"

namespace velocarta {

std::optional<int> ParseSaverInterval(std::string_view text) {
    int seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error == std::errc::result_out_of_range && !text.empty() && text.front() != '-') {
        return kLongestSaverIntervalSeconds;
    }
    if (error != std::errc() || end != text.data() + text.size() || seconds < 1) {
        return std::nullopt;
    }
    return std::min(seconds, kLongestSaverIntervalSeconds);
}

SaverSettings ReadSaverSettings(std::string_view settingsText) {
    SaverSettings settings;
    settings.photoFolder =
        GetProfileString(settingsText, kSaverSection, kPhotoFolderKey).value_or("");
    if (const auto interval = GetProfileString(settingsText, kSaverSection, kIntervalKey)) {
        settings.intervalSeconds = ParseSaverInterval(*interval).value_or(settings.intervalSeconds);
    }
    return settings;
}

SaverSettings ApplySaverOptions(SaverSettings settings, const SaverOptions& options) {
    if (options.photoFolder) {
        settings.photoFolder = *options.photoFolder;
    }
    if (options.intervalSeconds) {
        settings.intervalSeconds = *options.intervalSeconds;
    }
    return settings;
}

std::vector<std::string> ListSaverPhotos(FileSystem& fileSystem, std::string_view folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.remove_suffix(1);
    }
    if (folder.empty()) {
        return {};
    }
    const std::string root = folder == "/" ? std::string() : std::string(folder);
    std::vector<std::string> names;
    try {
        const auto listing = fileSystem.list({root, "/*.jpg"});
        for (std::string name = listing->next(); !name.empty(); name = listing->next()) {
            names.push_back(std::move(name));
        }
    } catch (const FileSystemError&) {
        // What was listed before the failure is still worth showing.
    }
    std::vector<std::string> photos = SaverPhotoOrder(std::move(names));
    for (std::string& photo : photos) {
        photo = root + "/" + photo;
    }
    return photos;
}

std::vector<std::string> SaverPhotoOrder(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& name) {
        return name.size() <= 4 || !EqualsIgnoringAsciiCase(name.substr(name.size() - 4), ".jpg");
    });
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return AsciiUpper(a) < AsciiUpper(b);
    });
    return names;
}

std::string SaverNoPhotosText(std::string_view photoFolder) {
    if (photoFolder.empty()) {
        return "Install the screen saver from the File menu of The Vantrel Velocarta.";
    }
    return "There are no photos in " + std::string(photoFolder);
}

SaverShow::SaverShow(ListPhotos list, ShowPhoto show, std::chrono::milliseconds interval,
                     const MonotonicClock& clock, DeadlineTimer& timer)
    : list_(std::move(list)),
      show_(std::move(show)),
      interval_(std::max(interval, std::chrono::milliseconds(1))),
      clock_(clock),
      timer_(timer) {}

void SaverShow::start() {
    dueAt_ = clock_.now();
    showNext();
    arm();
}

void SaverShow::due() {
    showNext();
    arm();
}

void SaverShow::showNext() {
    // What is left of this round, then one fresh round: every photo is tried at most once.
    for (int pass = 0; pass < 2; ++pass) {
        while (next_ < round_.size()) {
            const std::string& photo = round_[next_++];
            if (show_(photo)) {
                onShow_ = photo;
                return;
            }
        }
        if (pass == 0) {
            round_ = list_();
            next_ = 0;
            ++rounds_;
        }
    }
    if (!onShow_.empty() || rounds_ == 1) {
        show_("");
    }
    onShow_.clear();
}

void SaverShow::arm() {
    const MonotonicInstant now = clock_.now();
    dueAt_ += interval_;
    if (dueAt_ <= now) {
        dueAt_ = now + interval_;
    }
    timer_.arm(dueAt_, [this] { due(); });
}

}  // namespace velocarta
