#pragma once
#include <cstdint>

// The interval in minutes, and the tick that counts it down.
constexpr int kMinInterval = 1;
constexpr int kMaxInterval = 60;
constexpr unsigned kScheduleTickMs = 60000;

struct TickOutcome {
    bool startRun = false;  // the countdown reached zero: show "Downloading..." and run
    int minutesLeft = 0;    // otherwise, the minutes the countdown shows
};

// One minute of the countdown; resets the count when the run is due.
TickOutcome ScheduleTick(int16_t& minutesElapsed, int interval);
