#pragma once

#include <QImage>
#include <stdexcept>

#include "platform/file_system.h"

namespace velocarta {

// A picture of the content disc that cannot be shown: missing, unreadable, no picture at
// all, or a JPEG cut short.
class PictureLoadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a picture file at its full size. Throws PictureLoadError.
QImage LoadPictureFile(FileSystem& fileSystem, const ContentFile& picture);

}  // namespace velocarta
