// Runs the real program's retrieval run over and over, as its schedule
// would. Wine reports no memory figures of another process, so the caller
// reads them from Linux: this program says "program <settings key>" once the
// program is up (the key is on its command line), then "ran <run> <seconds>"
// after each run, and waits for a line on its input before the next.
//
//   soak_bench <durnwick.exe> <address list> <download folder> <runs>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_layout.h"
#include "app/settings_rules.h"
#include "app/settings_win.h"
#include "bench/address_list_win.h"
#include "bench/program_copy_win.h"
#include "platform/files_win.h"

namespace {

constexpr UINT_PTR kScheduleTimer = 1;
constexpr DWORD kWindowWithinMs = 60'000;
constexpr DWORD kRunWithinMs = 600'000;

size_t FilesIn(const std::wstring& folder) {
    const std::vector<WIN32_FIND_DATAW> entries = FolderEntries(folder);
    return std::count_if(entries.begin(), entries.end(), [](const WIN32_FIND_DATAW& found) {
        return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    });
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: soak_bench <durnwick.exe> <address list> <download folder> <runs>\n");
        return 2;
    }
    const std::vector<std::wstring> addresses = ReadAddressList(argv[2]);
    const std::wstring downloads = argv[3];
    const int runs = std::max(1, _wtoi(argv[4]));
    ProgramCopy copy(argv[1], addresses);
    if (!copy || addresses.empty()) {
        std::fprintf(stderr, "soak_bench: cannot prepare the program's folder\n");
        return 1;
    }
    const SettingsStore settings(copy.settingsKey());
    settings.Save(kPathsSection, L"SaveTo", downloads);
    settings.Save(kOptionsSection, L"AutoDownloadInterval", L"1");
    // The bench machine has no sound device; the balloon stays on.
    settings.Save(kOptionsSection, L"PlaySound", L"0");

    StartedProgram program = copy.Start();
    const HWND main = program ? WaitForMainWindow(program, kWindowWithinMs) : nullptr;
    if (!main) {
        std::fprintf(stderr, "soak_bench: the main window never showed\n");
        return 1;
    }
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(idCmdAction, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(main, idCmdAction)));
    std::printf("program %ls\n", copy.settingsKey().c_str());
    std::fflush(stdout);
    char go[16];
    for (int run = 1; run <= runs; ++run) {
        const ULONGLONG start = GetTickCount64();
        // One schedule tick at a one-minute interval is one whole run; it
        // returns when the run has ended.
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(main, WM_TIMER, kScheduleTimer, 0, SMTO_NORMAL, kRunWithinMs, &result)) {
            std::fprintf(stderr, "soak_bench: run %d did not end\n", run);
            return 1;
        }
        if (run == 1 && FilesIn(downloads) != addresses.size()) {
            std::fprintf(stderr, "soak_bench: the first run fetched %zu of %zu files\n", FilesIn(downloads),
                         addresses.size());
            return 1;
        }
        std::printf("ran %d %.2f\n", run, static_cast<double>(GetTickCount64() - start) / 1000);
        std::fflush(stdout);
        if (!std::fgets(go, sizeof go, stdin)) break;
    }
    CloseProgram(program, main);
    return 0;
}
