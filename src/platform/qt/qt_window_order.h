#pragma once

#include "platform/qt/window_order.h"

namespace velocarta {

class QtWindowOrder final : public WindowOrder {
  public:
    void setAlwaysOnTop(QWidget& window, TopMode mode) override;
};

}  // namespace velocarta
