#include "app/spinner.h"

#include <gtest/gtest.h>

#include "retrieval/schedule.h"

namespace {

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
