#pragma once

class QWidget;

namespace velocarta {

// Where SetAlwaysOnTop puts a window: into the topmost group (-1), out of it (0), or on top
// of the ordinary windows (any other value).
enum class TopMode { Topmost, NotTopmost, Top };
inline TopMode TopModeOfFlag(int flag) {
    return flag == -1 ? TopMode::Topmost : flag == 0 ? TopMode::NotTopmost : TopMode::Top;
}

// The stacking order of windows, without moving or resizing them.
class WindowOrder {
  public:
    virtual ~WindowOrder() = default;
    virtual void setAlwaysOnTop(QWidget& window, TopMode mode) = 0;
};

}  // namespace velocarta
