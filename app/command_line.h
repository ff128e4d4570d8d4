#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

inline constexpr wchar_t kSettingsKeySwitch[] = L"--settings-key";
inline constexpr wchar_t kRunOnceSwitch[] = L"--run-once";
inline constexpr wchar_t kListSwitch[] = L"--list";

// What an unattended run tells whoever started it.
inline constexpr int kExitAllSucceeded = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitUsageError = 2;  // also: the run could not begin (no folder, no custom name)
inline constexpr int kExitArmedElsewhere = 3;

// What the program was asked to do.
struct CommandLineRequest {
    bool help = false;
    bool runOnce = false;
    std::wstring listFile;     // empty: "List.txt" beside the program
    std::wstring settingsKey;  // the settings store's root under HKEY_CURRENT_USER
};

struct ParsedCommandLine {
    std::optional<CommandLineRequest> request;
    std::wstring usageError;  // when there is no request
    // "--run-once" was among the arguments: nothing may wait for a user.
    bool unattended = false;
};

// The arguments as CommandLineToArgvW gives them, the program first. An
// empty key after "--settings-key" means the standard one.
ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments, const std::wstring& standardKey);

// What --help shows.
std::wstring UsageText();

int RunOnceExitCode(size_t failed);
