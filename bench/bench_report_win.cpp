// Prints the tables of a bench log (see bench/bench_log.h): the timings,
// then the ratios.
//
//   bench_report <bench log>

#include <cstdio>
#include <fstream>

#include "bench/bench_log.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_report <bench log>\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "bench_report: cannot read the log\n");
        return 1;
    }
    const BenchLog log = ReadBenchLog(in);
    std::printf("%s\n%s", TimingTable(log).c_str(), RatioTable(log).c_str());
    return 0;
}
