#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "retrieval/download.h"
#include "retrieval/entry_result.h"
#include "retrieval/naming.h"

// What the last stored download of an address left, so that the next run
// asks the server only for a change and stores no copy of what it has.
struct RememberedDownload {
    std::wstring etag;          // as sent, strong or weak; empty when none
    std::wstring lastModified;  // the header's text; empty when none
    std::uint64_t size = 0;
    std::string sha256;   // lowercase hex
    std::wstring target;  // the file it went to
    // The file's last-write time once stored, in the file system's units
    // (100 ns since 1601); 0 when unknown. While size and time are as
    // stored, the file is taken to hold what was stored without reading it.
    std::uint64_t modified = 0;
    bool operator==(const RememberedDownload&) const = default;
};

// By address, exactly as queued.
using DownloadState = std::map<std::wstring, RememberedDownload>;
// The last result of each address, so that the queue shows it after a
// restart and a failure streak goes on counting; by address as queued.
using RememberedResults = std::map<std::wstring, EntryStatus>;

// "Durnwick.state", beside the list file.
inline constexpr wchar_t kStateFileName[] = L"Durnwick.state";
// Where an unreadable state file is set aside.
inline constexpr wchar_t kBadStateFileName[] = L"Durnwick.state.bad";

// The state file's JSON, UTF-8, with the addresses still queued only.
std::string StateFileText(const DownloadState& state, const std::vector<std::wstring>& queued,
                          const RememberedResults& results);

struct StateFile {
    DownloadState downloads;
    RememberedResults results;  // none in a file written before they were kept
};

// Nothing when the text is no state file. A record that cannot be used (no
// hash, no target, a validator that would break the request's header
// lines) is left out on its own, as is a result that cannot be read.
std::optional<StateFile> ParseStateFile(std::string_view text);

// The remembered copy counts for this run's target only where an unchanged
// body would have gone: the same file under the original name, the same
// folder under the conventions that make a new name every time.
bool SamePlace(const std::wstring& rememberedTarget, const std::wstring& target, NamingConvention convention);

// What the downloader is told about an address with a remembered copy
// (nothing when there is none, or when it is no longer there as stored).
// Under the original name an unchanged body leaves the file alone; under the
// other conventions only when the user asked for it: otherwise a copy is
// stored every run, so no conditional header goes out, since a 304 would
// leave nothing to store.
KnownCopy PlanRevalidation(const RememberedDownload* remembered, bool copyIntact, const std::wstring& target,
                           NamingConvention convention, bool skipUnchanged);

// The record after a successful download: a stored body is remembered as
// it is (its file's time still to be filled in); an unchanged one left in place keeps the remembered copy, with the
// validators of a full answer (a 304 may leave them out). Nothing changes
// after a failure, or when nothing was ever stored.
std::optional<RememberedDownload> UpdatedRecord(const RememberedDownload* remembered, const DownloadOutcome& outcome);
