#include "bench/timing_summary.h"

#include <algorithm>
#include <cmath>

namespace {

double NearestRank(const std::vector<double>& sorted, double fraction) {
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

TimingSummary Summarise(std::vector<double> timings) {
    if (timings.empty()) return {};
    std::sort(timings.begin(), timings.end());
    const std::size_t n = timings.size();
    const double median = n % 2 ? timings[n / 2] : (timings[n / 2 - 1] + timings[n / 2]) / 2;
    return {median, NearestRank(timings, 0.1), NearestRank(timings, 0.9), timings.back()};
}
