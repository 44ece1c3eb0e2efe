#pragma once

#include <QImage>
#include <string>

#include "platform/qt/clipboard.h"

namespace velocarta::testing {

// Holds what was put on the clipboard, as the user would paste it.
class FakeClipboard final : public Clipboard {
  public:
    void clear() override {
        text.clear();
        image = QImage();
        picturePath.clear();
        ++clears;
    }
    void setText(const std::string& value) override { text = value; }
    void setImage(const QImage& value) override {
        image = value;
        ++imagesSet;
    }
    void setPictureFromFile(const std::string& hostPath) override { picturePath = hostPath; }

    std::string text;
    QImage image;
    std::string picturePath;
    int clears = 0;
    int imagesSet = 0;
};

}  // namespace velocarta::testing
