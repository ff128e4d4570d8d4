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
// The line after it when some entries were unchanged: "3 unchanged".
std::wstring UnchangedSummary(size_t unchanged);

// The tray icon's tooltip for a schedule text: "Durnwick - Downloading in 5
// min(s). (2 failing)". The shell shows at most kTrayTipLimit characters; the
// count is what matters, so the schedule text gives way to it.
inline constexpr size_t kTrayTipLimit = 127;
std::wstring TrayTipText(const std::wstring& schedule, size_t failing);

// Another Durnwick of the same folder holds the schedule.
inline constexpr wchar_t kArmedElsewhereText[] =
    L"Another Durnwick started from this folder is armed or downloading. The same queue is not downloaded "
    L"twice at once.";
