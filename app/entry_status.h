#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "retrieval/entry_result.h"

// One download of an address, as the run ended it.
struct EntryAttempt {
    bool arrived = false;
    bool unchanged = false;
    LocalTime time;
    std::wstring words;
    std::uint64_t bytes = 0;
    std::wstring targetPath;  // empty when the entry had no usable name
};

// The status after an attempt in the given run. A failure counts once per
// run, also for an address queued twice; any success ends the streak.
EntryStatus NextStatus(const EntryStatus& before, const EntryAttempt& attempt, unsigned run);

// The last result of every address, by its text as queued: an address queued
// twice is one file and shows one result. The session's own results come
// before those remembered from earlier sessions.
class QueueStatuses {
public:
    // A run of the queue, or of one entry, begins.
    void BeginRun() { ++run_; }
    void Record(const std::wstring& address, const EntryAttempt& attempt);
    void Remember(const std::wstring& address, const EntryStatus& status);
    EntryStatus Of(const std::wstring& address) const;

private:
    unsigned run_ = 0;
    std::map<std::wstring, EntryStatus> session_;
    std::map<std::wstring, EntryStatus> remembered_;
};

// Drawn after a failed entry's address: "failed 3×".
std::wstring StreakMark(unsigned failedRuns);
// The hover text: when, the result in words, the bytes and the file's name,
// one to a line.
std::wstring StatusTipText(const EntryStatus& status);
// What a screen reader says for an item: the address, then the result.
std::wstring AccessibleEntryName(const std::wstring& address, const EntryStatus& status);
