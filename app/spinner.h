#pragma once

// The interval spinner holds the negated interval, so its upper arrow (towards
// the minimum) raises the interval.
constexpr int kSpinnerMin = -60;
constexpr int kSpinnerMax = 0;
constexpr int kSpinnerDesignValue = -1;

// The interval a spinner position shows: both 0 and -1 give 1.
int IntervalFromSpinner(int spinnerValue);
int SpinnerFromInterval(int interval);
