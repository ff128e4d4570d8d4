#include "retrieval/schedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ScheduleTick, CountsDownThenRunsAndStartsAgain) {
    int16_t elapsed = 0;
    std::vector<int> shown;
    for (int minute = 0; minute < 3; ++minute) {
        const TickOutcome tick = ScheduleTick(elapsed, 3);
        shown.push_back(tick.startRun ? 0 : tick.minutesLeft);
    }
    EXPECT_EQ(shown, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(elapsed, 0);
    EXPECT_FALSE(ScheduleTick(elapsed, 3).startRun);
}

TEST(ScheduleTick, IntervalOfOneRunsAtTheFirstTick) {
    int16_t elapsed = 0;
    EXPECT_TRUE(ScheduleTick(elapsed, 1).startRun);
    EXPECT_TRUE(ScheduleTick(elapsed, 1).startRun);
}

TEST(Spinner, ArrowsWalkTheIntervalAndNeverShowZero) {
    // From 1 the lower arrow moves the spinner to its end 0, still showing 1;
    // from there the upper arrow shows 1 again, then 2.
    EXPECT_EQ(IntervalFromSpinner(kSpinnerDesignValue), 1);
    EXPECT_EQ(IntervalFromSpinner(kSpinnerMax), 1);
    EXPECT_EQ(IntervalFromSpinner(-2), 2);
    EXPECT_EQ(IntervalFromSpinner(kSpinnerMin), 60);
    for (int interval = kMinInterval; interval <= kMaxInterval; ++interval)
        EXPECT_EQ(IntervalFromSpinner(SpinnerFromInterval(interval)), interval);
}

}  // namespace
