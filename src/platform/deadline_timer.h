#pragma once

#include <chrono>
#include <functional>

namespace velocarta {

// A point on the monotonic clock: it never jumps when the wall clock is set.
using MonotonicInstant = std::chrono::steady_clock::time_point;

// Where timed work reads the time. Tests move it by hand instead of sleeping.
class MonotonicClock {
  public:
    virtual ~MonotonicClock() = default;
    virtual MonotonicInstant now() const = 0;
};

// The machine's own monotonic clock.
class SteadyClock final : public MonotonicClock {
  public:
    MonotonicInstant now() const override { return std::chrono::steady_clock::now(); }
};

// One pending call at an absolute deadline on the monotonic clock. Deadlines rather than
// intervals, so that a caller that plans a rhythm (a tick every N ms) does not drift by the
// time its own work takes.
class DeadlineTimer {
  public:
    virtual ~DeadlineTimer() = default;
    // Calls onDue once, from the event loop, when the clock has reached the deadline (never
    // before; a deadline already past is due at once). Replaces any pending call. onDue may
    // arm the timer again.
    virtual void arm(MonotonicInstant deadline, std::function<void()> onDue) = 0;
    // Drops the pending call, if any.
    virtual void disarm() = 0;
    virtual bool armed() const = 0;
};

}  // namespace velocarta
