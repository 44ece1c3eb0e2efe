#pragma once

#include <functional>
#include <string_view>

#include "content/catalogue.h"

namespace velocarta {

// The entry of the catalogue whose path is `path`; 0 when none is.
int PhotoEntryOfPath(const PhotoCatalogue& catalogue, std::string_view path);

// Whether the picture of entry k can be shown (it is decoded on the way).
using CanShowPhoto = std::function<bool(int k)>;

// The photo the show opens at: LastPhotoIndex, the photo the main window last showed. An
// index that names no photo opens the show with nothing on show (0). The main window's
// backward step moves past a photo it cannot show and leaves LastPhotoIndex on it, and a
// year whose first photo cannot be shown leaves it there too: the show does not open on
// such a photo but on the one the main window has on screen (photoOnScreen, 0 for none), or
// where that cannot be shown either, on the next photo after it that can be; with nothing on
// show when no photo can be shown at all.
int SlideStartPhoto(int lastPhotoIndex, int photoOnScreen, int photoCount,
                    const CanShowPhoto& canShow);

}  // namespace velocarta
