#include "retrieval/schedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// -1 stands for a tick that starts a run.
TEST(ScheduleTick, CountsDownThenRunsAndStartsAgain) {
    for (const int interval : {3, 1}) {
        int16_t elapsed = 0;
        std::vector<int> shown;
        for (int tick = 0; tick < 2 * interval; ++tick) {
            const TickOutcome outcome = ScheduleTick(elapsed, interval);
            shown.push_back(outcome.startRun ? -1 : outcome.minutesLeft);
        }
        EXPECT_EQ(shown, interval == 3 ? (std::vector<int>{2, 1, -1, 2, 1, -1}) : (std::vector<int>{-1, -1}))
            << interval;
        EXPECT_EQ(elapsed, 0) << interval;
    }
}

// The spinner holds the negated interval, so that its upper arrow, which steps
// towards the minimum, lengthens the interval; its end position still shows 1.
TEST(Spinner, HoldsTheNegatedIntervalAndItsEndStillShowsOne) {
    EXPECT_EQ(SpinnerFromInterval(1), kSpinnerDesignValue);
    EXPECT_EQ(SpinnerFromInterval(kMaxInterval), kSpinnerMin);
    EXPECT_EQ(IntervalFromSpinner(kSpinnerMax), 1);
    for (int interval = kMinInterval; interval <= kMaxInterval; ++interval)
        EXPECT_EQ(IntervalFromSpinner(SpinnerFromInterval(interval)), interval);
}

}  // namespace
