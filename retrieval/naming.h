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
    bool operator==(const LocalTime&) const = default;
};

struct NamingRequest {
    std::wstring entry;
    NamingConvention convention = NamingConvention::OriginalName;
    std::wstring customName;
    std::wstring folder;
    std::function<LocalTime()> clock;
    std::function<bool(const std::wstring& path)> exists;
};

// The highest serial the custom convention tries before it gives up on an
// entry rather than overwrite a file.
inline constexpr long long kLastSerial = 99'999;

// The full path an entry is saved under, or nothing when the entry has no
// usable name: blank after trimming, or a name of dots only; under the custom
// convention an empty name, one that is no plain file name, or every serial
// taken. The run skips such entries.
std::optional<std::wstring> TargetPath(const NamingRequest& request);

// A custom name is a file name, not a path: no backslash, slash or colon, and
// not "." or "..", so that files stay in the chosen folder.
bool IsPlainFileName(const std::wstring& name);

// The longest file name the file system takes, in UTF-16 units; a longer
// one fails as "file not found", which would say nothing to the user.
inline constexpr size_t kMaxFileNameLength = 255;

// True when the last component of the path is longer than that.
bool FileNameTooLong(const std::wstring& path);

// "dd_mm_yy-hh_nn_ss"
std::wstring DateTimeStamp(const LocalTime& time);

// Folder, a backslash, the name; then every pair of backslashes made one.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
