#include "app/entry_status.h"

#include <cwctype>

#include "retrieval/run_log.h"

namespace {

// "failed 3 runs in a row: failed, HTTP 404", "downloaded: OK, HTTP 200".
std::wstring ResultPhrase(const EntryStatus& status) {
    switch (status.result) {
    case EntryResult::NotFetched:
        return L"not yet fetched";
    case EntryResult::Downloaded:
        return L"downloaded: " + status.words;
    case EntryResult::Unchanged:
        return L"unchanged: " + status.words;
    case EntryResult::Failed:
        break;
    }
    const std::wstring streak =
        status.failedRuns > 1 ? L" " + std::to_wstring(status.failedRuns) + L" runs in a row" : L"";
    return L"failed" + streak + L": " + status.words;
}

std::wstring FileName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

EntryStatus NextStatus(const EntryStatus& before, const EntryAttempt& attempt, unsigned run) {
    EntryStatus next;
    next.time = attempt.time;
    next.words = attempt.words;
    next.bytes = attempt.bytes;
    next.targetPath = attempt.targetPath.empty() ? before.targetPath : attempt.targetPath;
    next.run = run;
    if (attempt.arrived) {
        next.result = attempt.unchanged ? EntryResult::Unchanged : EntryResult::Downloaded;
        return next;
    }
    next.result = EntryResult::Failed;
    const bool failedBefore = before.result == EntryResult::Failed;
    const bool sameRun = failedBefore && run != 0 && before.run == run;
    next.failedRuns = sameRun ? before.failedRuns : (failedBefore ? before.failedRuns : 0) + 1;
    return next;
}

void QueueStatuses::Record(const std::wstring& address, const EntryAttempt& attempt) {
    session_[address] = NextStatus(Of(address), attempt, run_);
}

void QueueStatuses::Remember(const std::wstring& address, const EntryStatus& status) {
    EntryStatus remembered = status;
    remembered.run = 0;
    remembered_[address] = remembered;
}

EntryStatus QueueStatuses::Of(const std::wstring& address) const {
    if (const auto found = session_.find(address); found != session_.end()) return found->second;
    if (const auto found = remembered_.find(address); found != remembered_.end()) return found->second;
    return {};
}

std::wstring StreakMark(unsigned failedRuns) { return L"failed " + std::to_wstring(failedRuns) + L"\u00D7"; }

std::wstring StatusTipText(const EntryStatus& status) {
    std::wstring phrase = ResultPhrase(status);
    phrase[0] = static_cast<wchar_t>(std::towupper(phrase[0]));
    if (status.result == EntryResult::NotFetched) return phrase;
    std::wstring tip =
        LogTimeText(status.time) + L"\r\n" + phrase + L"\r\n" + std::to_wstring(status.bytes) + L" bytes";
    if (!status.targetPath.empty()) tip += L"\r\n" + FileName(status.targetPath);
    return tip;
}

std::wstring AccessibleEntryName(const std::wstring& address, const EntryStatus& status) {
    return address + L", " + ResultPhrase(status);
}
