#pragma once

#include <string>

namespace velocarta {

// A file of the content tree: a root (a host directory, never ending in '/', kept exactly
// as given) and the part below it, which begins with '/' ("/richtext/65desc.rtf").
// Discs come in any letter case, so the part below the root is matched without regard to
// case when the file is looked up; the root is never case-folded.
struct ContentFile {
    std::string root;
    std::string rel;

    std::string full() const { return root + rel; }
    bool empty() const { return root.empty() && rel.empty(); }
    friend bool operator==(const ContentFile&, const ContentFile&) = default;
};

}  // namespace velocarta
