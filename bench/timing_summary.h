#pragma once
#include <vector>

// The middle and the spread of a set of timings.
struct TimingSummary {
    double median = 0;
    double p10 = 0;  // a tenth of the timings are at or below it
    double p90 = 0;
    double max = 0;
};

// Nearest-rank percentiles; the median of an even count is the mean of the
// two middle values. Nothing in, zeros out.
TimingSummary Summarise(std::vector<double> timings);
