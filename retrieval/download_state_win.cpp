#include "retrieval/download_state_win.h"

#include <windows.h>

#include "retrieval/sha256_win.h"

DownloadMemory::DownloadMemory(const std::wstring& folder)
    : path_(folder + L"\\" + kStateFileName), badPath_(folder + L"\\" + kBadStateFileName) {}

void DownloadMemory::Load() {
    state_.clear();
    std::string bytes;
    if (!ReadWholeFile(path_, bytes)) return;
    if (std::optional<DownloadState> read = ParseStateFile(bytes)) {
        state_ = std::move(*read);
        return;
    }
    // Kept for a look, out of the way of the next write.
    MoveFileExW(path_.c_str(), badPath_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

KnownCopy DownloadMemory::Known(const std::wstring& address, const std::wstring& target, NamingConvention convention,
                                bool skipUnchanged) const {
    const auto found = state_.find(address);
    if (found == state_.end()) return {};
    const RememberedDownload& remembered = found->second;
    // Where an unchanged body would not count anyway, the file is not read.
    if (!SamePlace(remembered.target, target, convention)) return {};
    return PlanRevalidation(&remembered, CopyIntact(remembered), target, convention, skipUnchanged);
}

bool DownloadMemory::Remember(const std::wstring& address, const DownloadOutcome& outcome) {
    const auto found = state_.find(address);
    const RememberedDownload* remembered = found == state_.end() ? nullptr : &found->second;
    std::optional<RememberedDownload> updated = UpdatedRecord(remembered, outcome);
    if (!updated || (remembered && *remembered == *updated)) return false;
    state_[address] = std::move(*updated);
    return true;
}

FileResult DownloadMemory::Save(const std::vector<std::wstring>& queued) const {
    return ReplaceFileContent(path_, StateFileText(state_, queued));
}

bool CopyIntact(const RememberedDownload& remembered) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(remembered.target.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const std::uint64_t size = std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
    // The size first: reading the file is the costly part.
    return size == remembered.size && FileSha256(remembered.target) == remembered.sha256;
}
