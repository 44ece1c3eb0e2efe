#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "platform/qt/qt_deadline_timer.h"

namespace velocarta {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

TEST(QtDeadlineTimer, CallsOnceWhenTheDeadlineIsReachedAndNeverBefore) {
    QtDeadlineTimer timer;
    const MonotonicInstant deadline = steady_clock::now() + milliseconds(60);
    int calls = 0;
    MonotonicInstant calledAt{};
    timer.arm(deadline, [&] {
        ++calls;
        calledAt = steady_clock::now();
    });
    EXPECT_TRUE(timer.armed());
    QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 10000);
    EXPECT_GE(calledAt, deadline);
    EXPECT_FALSE(timer.armed());
    QTest::qWait(100);
    EXPECT_EQ(calls, 1);
}

TEST(QtDeadlineTimer, ADeadlineAlreadyPastIsDueAtOnceAndTheCallMayArmAgain) {
    QtDeadlineTimer timer;
    std::vector<int> calls;
    timer.arm(steady_clock::now() - milliseconds(500), [&] {
        calls.push_back(1);
        timer.arm(steady_clock::now() + milliseconds(20), [&] { calls.push_back(2); });
    });
    QTRY_COMPARE_WITH_TIMEOUT(calls.size(), std::size_t{2}, 10000);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
}

TEST(QtDeadlineTimer, ArmingAgainReplacesAndDisarmDrops) {
    QtDeadlineTimer timer;
    int first = 0;
    int second = 0;
    timer.arm(steady_clock::now() + milliseconds(20), [&] { ++first; });
    timer.arm(steady_clock::now() + milliseconds(40), [&] { ++second; });
    QTRY_COMPARE_WITH_TIMEOUT(second, 1, 10000);
    EXPECT_EQ(first, 0);

    timer.arm(steady_clock::now() + milliseconds(20), [&] { ++first; });
    timer.disarm();
    EXPECT_FALSE(timer.armed());
    QTest::qWait(100);
    EXPECT_EQ(first, 0);
}

}  // namespace
}  // namespace velocarta
