#include "bench/timing_summary.h"

#include <gtest/gtest.h>

namespace {

TEST(TimingSummary, TakesMedianAndNearestRankPercentilesWhateverTheOrder) {
    const TimingSummary ten = Summarise({10, 3, 1, 8, 2, 9, 4, 7, 6, 5});
    EXPECT_DOUBLE_EQ(ten.median, 5.5);
    EXPECT_DOUBLE_EQ(ten.p10, 1);
    EXPECT_DOUBLE_EQ(ten.p90, 9);
    EXPECT_DOUBLE_EQ(ten.max, 10);

    const TimingSummary odd = Summarise({0.3, 0.1, 0.2});
    EXPECT_DOUBLE_EQ(odd.median, 0.2);
    EXPECT_DOUBLE_EQ(Summarise({}).max, 0);
}

}  // namespace
