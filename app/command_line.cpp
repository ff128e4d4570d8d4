#include "app/command_line.h"

namespace {

ParsedCommandLine UsageError(std::wstring error, bool unattended) {
    return {std::nullopt, std::move(error), unattended};
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::wstring>& arguments, const std::wstring& standardKey) {
    CommandLineRequest request;
    request.settingsKey = standardKey;
    bool unattended = false;
    for (size_t i = 1; i < arguments.size(); ++i)
        if (arguments[i] == kRunOnceSwitch) unattended = true;

    bool listGiven = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (argument == L"--help" || argument == L"/?") {
            request.help = true;
        } else if (argument == kRunOnceSwitch) {
            request.runOnce = true;
        } else if (argument == kSettingsKeySwitch || argument == kListSwitch) {
            if (i + 1 == arguments.size()) return UsageError(argument + L" needs a value.", unattended);
            const std::wstring& value = arguments[++i];
            if (argument == kSettingsKeySwitch) {
                if (!value.empty()) request.settingsKey = value;
            } else {
                if (listGiven) return UsageError(L"--list is given twice.", unattended);
                if (value.empty()) return UsageError(L"--list needs a file name.", unattended);
                listGiven = true;
                request.listFile = value;
            }
        } else {
            return UsageError(L"Unknown argument: " + argument, unattended);
        }
    }
    // The window's Add rewrites List.txt; another list is only ever read.
    if (listGiven && !request.runOnce) return UsageError(L"--list works only with --run-once.", unattended);
    return {request, L"", unattended};
}

std::wstring UsageText() {
    return L"durnwick.exe [--run-once [--list FILE]] [--settings-key KEY]\n"
           L"\n"
           L"Without arguments Durnwick opens its window.\n"
           L"\n"
           L"--run-once\tDownloads the whole queue once, without the window, and exits with 0 when every "
           L"download succeeded, 1 when at least one failed, 2 for a usage error or when the destination folder "
           L"is missing, 3 when another Durnwick of this folder is armed or running.\n"
           L"--list FILE\tTakes the queue from FILE instead of List.txt; FILE is never rewritten.\n"
           L"--settings-key KEY\tUses the settings under HKEY_CURRENT_USER\\KEY.\n"
           L"--help, /?\tShows this text.";
}

int RunOnceExitCode(size_t failed) { return failed == 0 ? kExitAllSucceeded : kExitSomeFailed; }
