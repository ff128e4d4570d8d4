#pragma once
#include <string>

#include "platform/files_win.h"
#include "retrieval/run_log.h"

// "Durnwick.log" in the given folder, beside the list file.
std::wstring RunLogPath(const std::wstring& folder);

// Appends the entry's line; a new log starts with a UTF-8 byte-order mark, so
// that addresses in any script read back as written.
FileResult AppendToRunLog(const std::wstring& path, const RunLogEntry& entry);

// Cuts the log to its last kRunLogLines lines.
FileResult TrimRunLog(const std::wstring& path);

// The log's text without its byte-order mark.
std::wstring ReadRunLog(const std::wstring& path);
