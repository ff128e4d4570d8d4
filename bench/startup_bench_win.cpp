// Times the real program from its process start to its main window shown,
// with 0, 1 000 and 32 767 addresses in its list file, the three sizes taking
// turns in every round. The splash holds every start for its 3 s, so what
// matters is how much longer a list makes it, taken within each round; and
// how long the window then takes at most to answer while it settles.
//
//   startup_bench <durnwick.exe> <rounds>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/program_copy_win.h"
#include "bench/timing_summary.h"

namespace {

constexpr size_t kSizes[] = {0, 1000, 32767};
constexpr DWORD kWindowWithinMs = 60'000;
constexpr double kTargetBeyondEmptySeconds = 0.3;
constexpr double kWatchAfterShownSeconds = 3;
constexpr DWORD kAskEveryMs = 5;

std::vector<std::wstring> Addresses(size_t count) {
    std::vector<std::wstring> lines;
    for (size_t i = 0; i < count; ++i)
        lines.push_back(L"http://downloads.example.com/daily/reports/report-" + std::to_wstring(100000 + i) + L".csv");
    return lines;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// The longest the window took to answer a message in the time after it
// showed: what a long list still does in the background must not hold it.
double SlowestAnswer(HWND main) {
    LARGE_INTEGER frequency, watchStart, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&watchStart);
    double slowest = 0;
    do {
        LARGE_INTEGER asked, answered;
        QueryPerformanceCounter(&asked);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kWindowWithinMs, &result);
        QueryPerformanceCounter(&answered);
        slowest = std::max(slowest, Seconds(asked, answered));
        Sleep(kAskEveryMs);
        QueryPerformanceCounter(&now);
    } while (Seconds(watchStart, now) < kWatchAfterShownSeconds);
    return slowest;
}

struct StartTimes {
    double shown = -1;   // seconds from the process start; negative when it never showed
    double slowest = 0;  // the slowest answer after that
};

StartTimes TimeOneStart(const ProgramCopy& copy) {
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    StartedProgram program = copy.Start();
    const HWND main = program ? WaitForMainWindow(program, kWindowWithinMs) : nullptr;
    QueryPerformanceCounter(&shown);
    if (!main) return {};
    const double slowest = SlowestAnswer(main);
    CloseProgram(program, main);
    return {Seconds(start, shown), slowest};
}

void PrintSummary(const char* what, const std::vector<double>& seconds) {
    const TimingSummary s = Summarise(seconds);
    std::printf("%-34s %8.3f %8.3f - %.3f\n", what, s.median, s.p10, s.p90);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: startup_bench <durnwick.exe> <rounds>\n");
        return 2;
    }
    const int rounds = std::max(1, _wtoi(argv[2]));
    std::vector<std::unique_ptr<ProgramCopy>> copies;
    for (size_t size : kSizes) {
        copies.push_back(std::make_unique<ProgramCopy>(argv[1], Addresses(size)));
        if (!*copies.back()) {
            std::fprintf(stderr, "startup_bench: cannot prepare the program's folder\n");
            return 1;
        }
    }
    constexpr size_t kCount = std::size(kSizes);
    std::vector<double> seconds[kCount];
    std::vector<double> beyondEmpty[kCount];
    std::vector<double> slowest[kCount];
    for (int round = 0; round < rounds; ++round) {
        StartTimes thisRound[kCount];
        for (size_t turn = 0; turn < kCount; ++turn) {
            const size_t which = (turn + round) % kCount;
            thisRound[which] = TimeOneStart(*copies[which]);
            if (thisRound[which].shown < 0) {
                std::fprintf(stderr, "startup_bench: the main window never showed\n");
                return 1;
            }
        }
        for (size_t i = 0; i < kCount; ++i) {
            seconds[i].push_back(thisRound[i].shown);
            beyondEmpty[i].push_back(thisRound[i].shown - thisRound[0].shown);
            slowest[i].push_back(thisRound[i].slowest);
        }
    }
    std::printf("%-34s %8s %s\n", "start to main window shown", "median s", "p10 - p90 s");
    for (size_t i = 0; i < kCount; ++i) PrintSummary((std::to_string(kSizes[i]) + " lines").c_str(), seconds[i]);
    std::printf("\n%-34s %8s %s\n", "beyond an empty list, per round", "median s", "p10 - p90 s");
    for (size_t i = 1; i < kCount; ++i) PrintSummary((std::to_string(kSizes[i]) + " lines").c_str(), beyondEmpty[i]);
    std::printf("\n%-34s %8s %s\n", "slowest answer in 3 s after shown", "median s", "p10 - p90 s");
    for (size_t i = 0; i < kCount; ++i) PrintSummary((std::to_string(kSizes[i]) + " lines").c_str(), slowest[i]);
    const double full = Summarise(beyondEmpty[kCount - 1]).median;
    std::printf("\nfull queue beyond an empty list: %.3f s (target <= %.2f s: %s)\n", full, kTargetBeyondEmptySeconds,
                full <= kTargetBeyondEmptySeconds ? "met" : "MISSED");
    return 0;
}
