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
    // The spinner holds the negated interval: the upper arrow steps towards
    // its minimum. Walk every position with the arrows from the design value.
    int position = kSpinnerDesignValue;
    EXPECT_EQ(IntervalFromSpinner(position), 1);
    ++position;  // lower arrow from 1: the spinner's end, still showing 1
    EXPECT_EQ(position, kSpinnerMax);
    EXPECT_EQ(IntervalFromSpinner(position), 1);
    std::vector<int> shown;
    for (; position > kSpinnerMin; --position) shown.push_back(IntervalFromSpinner(position - 1));
    ASSERT_EQ(shown.size(), 60u);
    EXPECT_EQ(shown.front(), 1) << "the first upper arrow from the end shows 1 again";
    for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_EQ(shown[i], shown[i - 1] + 1) << "step " << i;
    EXPECT_EQ(shown.back(), kMaxInterval);
    for (int interval = kMinInterval; interval <= kMaxInterval; ++interval)
        EXPECT_EQ(IntervalFromSpinner(SpinnerFromInterval(interval)), interval);
}

}  // namespace
