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
