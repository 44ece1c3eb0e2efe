#pragma once

#include <string>
#include <string_view>

#include "content/catalogue.h"

namespace velocarta {

// The slide show's year caption for catalogue entry k (what SetSlideYearCaption puts in
// the show's panYear): the caption of the photo's code, "1965 " for 65, "2000" for A0, a
// topic's caption with its trailing blank, an art print's caption for GB, GH and GL. Empty
// for an index that names no photo.
std::string SlideYearCaption(const PhotoCatalogue& catalogue, int k);

// The caption Beginning and Middle set for the photo they jump to: "19" and the two digits
// of a model year, without the trailing blank ("1964" for the first photo); photos of 2000
// and of topics get their year caption, as "19A0" or "19PT" would name nothing.
std::string JumpCaption(const PhotoCatalogue& catalogue, int k);

// The photo counter: "12 of 345".
std::string PhotoCounterText(int photoIndex, int photoCount);

// The three art prints of the Artwork menu: their captions and the code of their photos.
struct ArtPrint {
    std::string_view caption;
    std::string_view code;
};
const ArtPrint* FindArtPrintByCaption(std::string_view caption);
const ArtPrint* FindArtPrintByCode(std::string_view code);

}  // namespace velocarta
