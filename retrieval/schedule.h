#pragma once
#include <cstdint>

// The interval spinner holds the negated interval, so its upper arrow (towards
// the minimum) raises the interval.
constexpr int kSpinnerMin = -60;
constexpr int kSpinnerMax = 0;
constexpr int kSpinnerDesignValue = -1;
constexpr int kMinInterval = 1;
constexpr int kMaxInterval = 60;
constexpr unsigned kScheduleTickMs = 60000;

// The interval a spinner position shows: both 0 and -1 give 1.
int IntervalFromSpinner(int spinnerValue);
int SpinnerFromInterval(int interval);

struct TickOutcome {
    bool startRun = false;  // the countdown reached zero: show "Downloading..." and run
    int minutesLeft = 0;    // otherwise, the minutes the countdown shows
};

// One minute of the countdown; resets the count when the run is due.
TickOutcome ScheduleTick(int16_t& minutesElapsed, int interval);
