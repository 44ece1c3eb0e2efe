#pragma once

#include "platform/clipboard.h"

namespace velocarta {

class QtClipboard final : public Clipboard {
  public:
    void clear() override;
    void setText(const std::string& text) override;
    void setPictureFromFile(const std::string& hostPath) override;
};

}  // namespace velocarta
