#pragma once

#include "platform/qt/clipboard.h"

namespace velocarta {

class QtClipboard final : public Clipboard {
  public:
    void clear() override;
    void setText(const std::string& text) override;
    void setImage(const QImage& image) override;
    void setPictureFromFile(const std::string& hostPath) override;
};

}  // namespace velocarta
