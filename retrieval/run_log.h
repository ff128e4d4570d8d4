#pragma once
#include <cstdint>
#include <string>

#include "retrieval/naming.h"

// The run log keeps one line per entry of every run, so that a user can see
// why a download failed; it is cut to its last lines after each run.
inline constexpr size_t kRunLogLines = 1000;

struct RunLogEntry {
    LocalTime time;
    std::wstring address;
    std::wstring result;
    std::uint64_t bytes = 0;
    std::uint64_t elapsedMs = 0;
};

// "2026-12-07 01:23:45", as a line of the log starts.
std::wstring LogTimeText(const LocalTime& time);

// "2026-12-07 01:23:45<tab>address<tab>result<tab>1234 bytes<tab>0.42 s" and
// CR LF. Control characters in the address are written as \xNN, so that an
// entry stays on its line.
std::wstring RunLogLine(const RunLogEntry& entry);

// The last `count` lines of a log whose lines end with CR LF.
std::wstring KeepLastLines(const std::wstring& text, size_t count);
