#pragma once

namespace velocarta {

// The mouse pointers the program sets while it works.
enum class Pointer { Default = 0, Hourglass = 11 };

// The screen the main window lives on.
class Screen {
  public:
    virtual ~Screen() = default;
    virtual int widthPixels() const = 0;
    virtual int heightPixels() const = 0;
    // 1440 / logical DPI: 15 at 96 DPI, 12 with large fonts at 120 DPI.
    virtual int twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
    virtual void setPointer(Pointer pointer) = 0;
    virtual Pointer pointer() const = 0;
};

}  // namespace velocarta
