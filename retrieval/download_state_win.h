#pragma once
#include <string>
#include <vector>

#include "platform/files_win.h"
#include "retrieval/download_state.h"

// What the downloads of the queue remember between runs, kept in the state
// file beside the list file.
class DownloadMemory {
public:
    explicit DownloadMemory(const std::wstring& folder);

    // Reads the state file. One that is no state file is set aside under
    // kBadStateFileName and nothing is remembered; a missing one is no fault.
    void Load();
    // What the download of the address to this target is told: the copy it
    // left last time, when that is still there with its size and hash.
    KnownCopy Known(const std::wstring& address, const std::wstring& target, NamingConvention convention,
                    bool skipUnchanged) const;
    // Takes in what a download did; true when that changed what is remembered.
    bool Remember(const std::wstring& address, const DownloadOutcome& outcome);
    // Replaces the state file through a temporary file and a rename, so a
    // crash leaves the old one whole. Addresses no longer queued are dropped.
    FileResult Save(const std::vector<std::wstring>& queued) const;

    const DownloadState& State() const { return state_; }
    // Each address's last result, kept with the rest at the next Save.
    const RememberedResults& Results() const { return results_; }
    void KeepResults(RememberedResults results) { results_ = std::move(results); }

private:
    std::wstring path_;
    std::wstring badPath_;
    DownloadState state_;
    RememberedResults results_;
};

// The remembered file is there with the size and hash it was stored with.
// Its hash is taken to be unchanged while its time is as stored.
bool CopyIntact(const RememberedDownload& remembered);
