#include "content/catalogue.h"

#include <algorithm>
#include <stdexcept>

#include "content/naming.h"
#include "content/text.h"

namespace velocarta {

std::optional<std::vector<std::string>> ListUpperCased(FileSystem& fileSystem,
                                                       const ContentFile& pattern,
                                                       const ListingFailureHandler& onFailure) {
    std::unique_ptr<DirListing> listing;
    while (!listing) {
        try {
            listing = fileSystem.list(pattern);
        } catch (const FileSystemError& error) {
            if (onFailure(error) == RetryChoice::GiveUp) {
                return std::nullopt;
            }
        }
    }
    std::vector<std::string> names;
    for (;;) {
        std::string name;
        try {
            name = listing->next();
        } catch (const FileSystemError& error) {
            if (onFailure(error) == RetryChoice::GiveUp) {
                return std::nullopt;
            }
            continue;
        }
        if (name.empty()) {
            return names;
        }
        names.push_back(AsciiUpper(name));
    }
}

std::optional<PhotoCatalogue> PhotoCatalogue::Build(FileSystem& fileSystem, std::string photoRoot,
                                                    const ListingFailureHandler& onFailure) {
    auto names = ListUpperCased(fileSystem, {photoRoot, std::string(kPhotoPattern)}, onFailure);
    if (!names) {
        return std::nullopt;
    }
    return FromNames(std::move(photoRoot), std::move(*names));
}

PhotoCatalogue PhotoCatalogue::FromNames(std::string photoRoot, std::vector<std::string> names) {
    for (std::string& name : names) {
        name = AsciiUpper(name);
    }
    // std::string compares bytes as unsigned characters: the binary order of the names.
    std::sort(names.begin(), names.end());

    PhotoCatalogue catalogue;
    catalogue.root_ = std::move(photoRoot);
    catalogue.entries_.reserve(names.size());
    int number = 0;
    std::string_view previousCode;
    for (std::string& name : names) {
        const std::string_view code = std::string_view(name).substr(0, 2);
        number = (catalogue.entries_.empty() || code != previousCode) ? 1 : number + 1;
        catalogue.entries_.push_back({std::move(name), number});
        previousCode = std::string_view(catalogue.entries_.back().name).substr(0, 2);
    }
    return catalogue;
}

const PhotoCatalogue::Entry& PhotoCatalogue::at(int k) const {
    if (k < 1 || k > count()) {
        throw std::out_of_range("photo index " + std::to_string(k) + " is outside the catalogue");
    }
    return entries_[static_cast<std::size_t>(k - 1)];
}

std::string PhotoCatalogue::path(int k) const {
    if (k == count() + 1) {
        return {};
    }
    return root_ + std::string(kPhotoFolder) + at(k).name;
}

ContentFile PhotoCatalogue::file(int k) const {
    return {root_, std::string(kPhotoFolder) + at(k).name};
}

const std::string& PhotoCatalogue::fileName(int k) const {
    static const std::string kEmpty;
    if (k == count() + 1) {
        return kEmpty;
    }
    return at(k).name;
}

std::string_view PhotoCatalogue::code(int k) const {
    return std::string_view(fileName(k)).substr(0, 2);
}

int PhotoCatalogue::number(int k) const {
    return k == count() + 1 ? 0 : at(k).number;
}

bool PhotoCatalogue::belongsTo(int k, std::string_view yearCode) const {
    return code(k) == yearCode;
}

int PhotoCatalogue::firstIndexOf(std::string_view yearCode) const {
    // The runs are contiguous and sorted, so the first name not below the code starts its
    // run when there is one.
    const auto it = std::lower_bound(
        entries_.begin(), entries_.end(), yearCode,
        [](const Entry& entry, std::string_view code) { return entry.name < code; });
    if (it != entries_.end() && std::string_view(it->name).substr(0, 2) == yearCode) {
        return static_cast<int>(it - entries_.begin()) + 1;
    }
    return count() + 1;
}

PhotoCatalogue::Run PhotoCatalogue::runOf(std::string_view yearCode) const {
    const int first = firstIndexOf(yearCode);
    int last = first - 1;
    while (last + 1 <= count() && belongsTo(last + 1, yearCode)) {
        ++last;
    }
    return {first, last};
}

std::size_t PhotoCatalogue::bytesHeld() const {
    std::size_t bytes = sizeof(*this) + root_.capacity() + entries_.capacity() * sizeof(Entry);
    for (const Entry& entry : entries_) {
        // Short names live inside the string object; longer ones on the heap.
        if (entry.name.capacity() > std::string().capacity()) {
            bytes += entry.name.capacity() + 1;
        }
    }
    return bytes;
}

std::optional<MovieList> MovieList::Build(FileSystem& fileSystem, std::string_view contentPath,
                                          const ListingFailureHandler& onFailure) {
    auto names = ListUpperCased(fileSystem, {std::string(contentPath), std::string(kMoviePattern)},
                                onFailure);
    if (!names) {
        return std::nullopt;
    }
    return MovieList{std::move(*names)};
}

}  // namespace velocarta
