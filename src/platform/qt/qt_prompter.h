#pragma once

#include "platform/prompter.h"

namespace velocarta {

// Message boxes as QMessageBox, over the active window.
class QtPrompter final : public Prompter {
  protected:
    Answer show(const Message& message) override;
};

}  // namespace velocarta
