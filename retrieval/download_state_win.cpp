#include "retrieval/download_state_win.h"

#include <windows.h>

#include "retrieval/sha256_win.h"

namespace {

struct FileStat {
    std::uint64_t size = 0;
    std::uint64_t modified = 0;
};

// Nothing for a folder or no file at all.
std::optional<FileStat> Stat(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return FileStat{std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow,
                    std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime};
}

}  // namespace

DownloadMemory::DownloadMemory(const std::wstring& folder)
    : path_(folder + L"\\" + kStateFileName), badPath_(folder + L"\\" + kBadStateFileName) {}

void DownloadMemory::Load() {
    state_.clear();
    results_.clear();
    std::string bytes;
    if (!ReadWholeFile(path_, bytes)) return;
    if (std::optional<StateFile> read = ParseStateFile(bytes)) {
        state_ = std::move(read->downloads);
        results_ = std::move(read->results);
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
    if (!updated) return false;
    if (!outcome.storedPath.empty()) updated->modified = Stat(outcome.storedPath).value_or(FileStat{}).modified;
    if (remembered && *remembered == *updated) return false;
    state_[address] = std::move(*updated);
    return true;
}

FileResult DownloadMemory::Save(const std::vector<std::wstring>& queued) const {
    return ReplaceFileContent(path_, StateFileText(state_, queued, results_));
}

bool CopyIntact(const RememberedDownload& remembered) {
    const std::optional<FileStat> stat = Stat(remembered.target);
    if (!stat || stat->size != remembered.size) return false;
    // As git's index does: a file whose size and time are as stored is not
    // read again, which would cost a run as long as the download it saves.
    if (remembered.modified != 0 && stat->modified == remembered.modified) return true;
    return FileSha256(remembered.target) == remembered.sha256;
}
