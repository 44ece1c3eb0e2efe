#include "platform/qt/qt_deadline_timer.h"

#include <algorithm>
#include <utility>

namespace velocarta {

QtDeadlineTimer::QtDeadlineTimer() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { due(); });
}

void QtDeadlineTimer::arm(MonotonicInstant deadline, std::function<void()> onDue) {
    deadline_ = deadline;
    onDue_ = std::move(onDue);
    startForRest();
}

void QtDeadlineTimer::disarm() {
    timer_.stop();
    onDue_ = nullptr;
}

void QtDeadlineTimer::startForRest() {
    const auto rest =
        std::chrono::ceil<std::chrono::milliseconds>(deadline_ - std::chrono::steady_clock::now());
    timer_.start(std::max(rest, std::chrono::milliseconds(0)));
}

void QtDeadlineTimer::due() {
    if (!onDue_) {
        return;
    }
    if (std::chrono::steady_clock::now() < deadline_) {
        startForRest();
        return;
    }
    // The call may arm the timer again, so it runs from a copy that is already let go.
    std::function<void()> onDue = std::exchange(onDue_, nullptr);
    onDue();
}

}  // namespace velocarta
