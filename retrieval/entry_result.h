#pragma once
#include <cstdint>
#include <string>

#include "retrieval/naming.h"

// What the queue shows for an address: its last result.
enum class EntryResult { NotFetched, Downloaded, Unchanged, Failed };

struct EntryStatus {
    EntryResult result = EntryResult::NotFetched;
    unsigned failedRuns = 0;  // in a row, up to and with the last result
    LocalTime time;
    std::wstring words;  // the log's words: "OK, HTTP 200", "failed, HTTP 404", a system error's text
    std::uint64_t bytes = 0;
    std::wstring targetPath;  // the file it went to, or was to go to
    unsigned run = 0;         // the session's run that gave it; 0 for none
    bool operator==(const EntryStatus&) const = default;
};
