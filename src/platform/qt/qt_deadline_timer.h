#pragma once

#include <QTimer>

#include "platform/deadline_timer.h"

namespace velocarta {

// A deadline on the steady clock, kept by a precise single-shot QTimer of the event loop.
// Should Qt wake up a little early, the rest is waited for before the call.
class QtDeadlineTimer final : public DeadlineTimer {
  public:
    QtDeadlineTimer();
    void arm(MonotonicInstant deadline, std::function<void()> onDue) override;
    void disarm() override;
    bool armed() const override { return static_cast<bool>(onDue_); }

  private:
    void startForRest();
    void due();

    QTimer timer_;
    MonotonicInstant deadline_{};
    std::function<void()> onDue_;
};

}  // namespace velocarta
