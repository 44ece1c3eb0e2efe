#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <utility>

#include "platform/deadline_timer.h"

namespace velocarta::testing {

// A clock that stands still until the test moves it.
class FakeClock final : public MonotonicClock {
  public:
    MonotonicInstant now() const override { return now_; }
    void set(MonotonicInstant instant) { now_ = instant; }
    void advance(std::chrono::milliseconds by) { now_ += by; }
    MonotonicInstant start() const { return MonotonicInstant{}; }
    // Milliseconds since the clock's start.
    long long elapsedMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(now_ - start()).count();
    }

  private:
    MonotonicInstant now_{};
};

// A timer whose deadline falls due when the test lets the fake clock run past it.
class FakeDeadlineTimer final : public DeadlineTimer {
  public:
    explicit FakeDeadlineTimer(FakeClock& clock) : clock_(clock) {}

    void arm(MonotonicInstant deadline, std::function<void()> onDue) override {
        deadline_ = deadline;
        onDue_ = std::move(onDue);
        ++arms;
    }
    void disarm() override { onDue_ = nullptr; }
    bool armed() const override { return static_cast<bool>(onDue_); }
    MonotonicInstant deadline() const { return deadline_; }

    // Lets the clock run to `until`, calling every deadline that falls due on the way at
    // its own moment (plus `lateBy`, as a busy event loop would).
    void runUntil(MonotonicInstant until,
                  std::chrono::milliseconds lateBy = std::chrono::milliseconds(0)) {
        while (armed() && deadline_ + lateBy <= until) {
            clock_.set(std::max(clock_.now(), deadline_ + lateBy));
            std::function<void()> onDue = std::exchange(onDue_, nullptr);
            onDue();
        }
        clock_.set(std::max(clock_.now(), until));
    }
    void runFor(std::chrono::milliseconds span) { runUntil(clock_.now() + span); }
    // Calls the pending deadline now, whether or not it is due (a timer that wakes early).
    void fireEarly() {
        std::function<void()> onDue = std::exchange(onDue_, nullptr);
        if (onDue) {
            onDue();
        }
    }

    int arms = 0;

  private:
    FakeClock& clock_;
    MonotonicInstant deadline_{};
    std::function<void()> onDue_;
};

}  // namespace velocarta::testing
