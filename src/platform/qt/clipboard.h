#pragma once

#include <string>

class QImage;

namespace velocarta {

// The system clipboard: text, or a picture as image data that an image editor pastes.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setImage(const QImage& image) = 0;
    // Puts the picture of an image file on the clipboard; throws std::runtime_error when
    // the file cannot be read as a picture.
    virtual void setPictureFromFile(const std::string& hostPath) = 0;
};

}  // namespace velocarta
