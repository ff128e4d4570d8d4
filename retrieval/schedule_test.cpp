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

}  // namespace
