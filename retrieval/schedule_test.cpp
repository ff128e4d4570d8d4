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
        EXPECT_EQ(shown, interval == 3 ? (std::vector<int>{2, 1, -1, 2, 1, -1}) : (std::vector<int>{-1, -1})) << interval;
        EXPECT_EQ(elapsed, 0) << interval;
    }
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
