#pragma once

// What benchmarks of windows share: waiting on the event loop and reading the clock.
#include <QCoreApplication>
#include <chrono>

namespace velocarta::bench {

using Clock = std::chrono::steady_clock;

// Runs events until `done` holds; false when it does not within `patience`.
template <typename Done>
bool RunEventsUntil(Done done, Clock::duration patience = std::chrono::seconds(10)) {
    const auto giveUp = Clock::now() + patience;
    while (!done()) {
        if (Clock::now() > giveUp) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

inline double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace velocarta::bench
