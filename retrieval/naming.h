#pragma once
#include <functional>
#include <optional>
#include <string>

// The three file-naming conventions, numbered as they are stored.
enum class NamingConvention { OriginalName = 1, OriginalDateTime = 2, Custom = 3 };

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct NamingRequest {
    std::wstring entry;
    NamingConvention convention = NamingConvention::OriginalName;
    std::wstring customName;
    std::wstring folder;
    std::function<LocalTime()> clock;
    std::function<bool(const std::wstring& path)> exists;
};

// The full path an entry is saved under, or nothing when the entry has no
// name (blank after trimming, or the custom convention with an empty name):
// the run skips such entries.
std::optional<std::wstring> TargetPath(const NamingRequest& request);

// "dd_mm_yy-hh_nn_ss"
std::wstring DateTimeStamp(const LocalTime& time);

// Folder, a backslash, the name; then every pair of backslashes made one.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
