#include "retrieval/schedule.h"

TickOutcome ScheduleTick(int16_t& minutesElapsed, int interval) {
    ++minutesElapsed;
    if (minutesElapsed == interval) {
        minutesElapsed = 0;
        return {true, 0};
    }
    return {false, interval - minutesElapsed};
}
