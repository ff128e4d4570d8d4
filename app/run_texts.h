#pragma once
#include <cstddef>
#include <string>

// What the window says about the queue and the run. Numbers are plain
// decimal, without leading zeros or blanks.

// Status panel 2.
std::wstring QueuedStatusText(size_t count);
std::wstring DownloadingFileText(size_t position, size_t count);
// Status panel 1.
std::wstring CountdownText(const std::wstring& minutes);

// The balloon's second line after a run in which some entries failed:
// "2 of 5 downloads failed".
std::wstring FailureSummary(size_t failed, size_t total);

// Another Durnwick of the same folder holds the schedule.
inline constexpr wchar_t kArmedElsewhereText[] =
    L"Another Durnwick started from this folder is armed or downloading. The same queue is not downloaded "
    L"twice at once.";
