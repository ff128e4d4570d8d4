#include "app/run_texts.h"

std::wstring QueuedStatusText(size_t count) { return std::to_wstring(count) + L" file(s) queued for download"; }

std::wstring DownloadingFileText(size_t position, size_t count) {
    return L"Downloading file " + std::to_wstring(position) + L" of " + std::to_wstring(count);
}

std::wstring CountdownText(const std::wstring& minutes) { return L"Downloading in " + minutes + L" min(s)."; }

std::wstring FailureSummary(size_t failed, size_t total) {
    return std::to_wstring(failed) + L" of " + std::to_wstring(total) + L" downloads failed";
}

std::wstring UnchangedSummary(size_t unchanged) { return std::to_wstring(unchanged) + L" unchanged"; }

std::wstring TrayTipText(const std::wstring& schedule, size_t failing) {
    static constexpr std::wstring_view kPrefix = L"Durnwick - ";
    const std::wstring suffix = failing > 0 ? L" (" + std::to_wstring(failing) + L" failing)" : L"";
    size_t room = kTrayTipLimit - kPrefix.size() - suffix.size();
    // Never half of a surrogate pair.
    if (room < schedule.size() && room > 0 && schedule[room - 1] >= 0xD800 && schedule[room - 1] <= 0xDBFF) --room;
    return std::wstring(kPrefix) + schedule.substr(0, room) + suffix;
}
