#include "app/spinner.h"

#include "retrieval/schedule.h"

int IntervalFromSpinner(int spinnerValue) {
    const int interval = kSpinnerMax - spinnerValue;
    return interval == 0 ? kMinInterval : interval;
}

int SpinnerFromInterval(int interval) { return -interval; }
