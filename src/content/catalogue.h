#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace velocarta {

// What the user chose when a listing step failed: try that step again, or give up (the
// program is ending).
enum class RetryChoice { Retry, GiveUp };
using ListingFailureHandler = std::function<RetryChoice(const FileSystemError&)>;

// Lists every name a pattern yields, in listing order, upper-cased. A failed step asks the
// handler and is repeated on Retry; nothing when the user gives up.
std::optional<std::vector<std::string>> ListUpperCased(FileSystem& fileSystem,
                                                       const ContentFile& pattern,
                                                       const ListingFailureHandler& onFailure);

// The catalogue of every photo on the disc, built once at start-up, so that choosing a
// year only looks into memory. Entries are numbered from 1 like the rest of the program
// (PhotoIndex, LastPhotoIndex); entry count() + 1 is the empty entry after the last.
// Photos are ordered by a binary comparison of their upper-cased file names, so each year
// or topic forms one run: "64" .. "99", "A0" (2000), then the letter codes.
class PhotoCatalogue {
  public:
    PhotoCatalogue() = default;

    // Lists photoRoot + "/vantrels/*.jpg". Nothing when the user gave up on a failed step.
    static std::optional<PhotoCatalogue> Build(FileSystem& fileSystem, std::string photoRoot,
                                               const ListingFailureHandler& onFailure);
    // From names already listed (in any order and case), for callers that have them.
    static PhotoCatalogue FromNames(std::string photoRoot, std::vector<std::string> names);

    int count() const { return static_cast<int>(entries_.size()); }
    const std::string& root() const { return root_; }

    // 1-based position of "/vantrels/" in every path; 0 when there is no photo.
    int namePos() const { return entries_.empty() ? 0 : static_cast<int>(root_.size()) + 1; }

    // Entries 1 .. count() + 1; the last one is empty. Other indexes throw
    // std::out_of_range.
    std::string path(int k) const;
    ContentFile file(int k) const;
    const std::string& fileName(int k) const;
    std::string_view code(int k) const;
    // The photo's number within its year or topic ("PhotoNumbers"); 0 for the empty entry.
    int number(int k) const;
    bool belongsTo(int k, std::string_view yearCode) const;

    // The first entry of a year or topic code, count() + 1 when it has none.
    int firstIndexOf(std::string_view yearCode) const;

    // The entries of a code: one contiguous run, because the catalogue is sorted by name.
    // first > last when the code has no photo.
    struct Run {
        int first;
        int last;
    };
    Run runOf(std::string_view yearCode) const;

    // Bytes the catalogue holds in memory.
    std::size_t bytesHeld() const;

  private:
    struct Entry {
        std::string name;  // upper-cased file name
        int number = 0;
    };
    const Entry& at(int k) const;

    std::string root_;
    std::vector<Entry> entries_;
};

// The movies of the content disc, in listing order, upper-cased, numbered from 1.
struct MovieList {
    std::vector<std::string> names;
    int count() const { return static_cast<int>(names.size()); }
    static std::optional<MovieList> Build(FileSystem& fileSystem, std::string_view contentPath,
                                          const ListingFailureHandler& onFailure);
};

}  // namespace velocarta
