#pragma once

#include "platform/screen.h"

namespace velocarta {

// The primary screen, and the application's override cursor as the mouse pointer.
class QtScreen final : public Screen {
  public:
    int widthPixels() const override;
    int heightPixels() const override;
    int twipsPerPixelX() const override;
    int twipsPerPixelY() const override;
    void setPointer(Pointer pointer) override;
    Pointer pointer() const override { return pointer_; }

  private:
    Pointer pointer_ = Pointer::Default;
};

}  // namespace velocarta
