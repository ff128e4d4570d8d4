#include "retrieval/schedule.h"

int IntervalFromSpinner(int spinnerValue) {
    const int interval = kSpinnerMax - spinnerValue;
    return interval == 0 ? kMinInterval : interval;
}

int SpinnerFromInterval(int interval) { return -interval; }

TickOutcome ScheduleTick(int16_t& minutesElapsed, int interval) {
    ++minutesElapsed;
    if (minutesElapsed == interval) {
        minutesElapsed = 0;
        return {true, 0};
    }
    return {false, interval - minutesElapsed};
}
