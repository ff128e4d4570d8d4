#pragma once
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// What a bench script recorded, one tab-separated line each:
//   set <name> <bytes>                   a piece of work, in table order
//   tool <name>                          in column order; the first is the one measured
//   time <set> <round> <tool> <seconds> [<bytes>]
//                                        one timed pass, with the body bytes it
//                                        received where that is not the set's size
//   target <set> <tool> <ratio>          the first tool may take at most this ratio of the other
struct BenchSet {
    std::string name;
    std::uint64_t bytes = 0;
};

struct BenchTiming {
    std::string set;
    int round = 0;
    std::string tool;
    double seconds = 0;
    std::optional<std::uint64_t> received;
};

struct BenchTarget {
    std::string set;
    std::string tool;
    double ratio = 0;
};

struct BenchLog {
    std::vector<BenchSet> sets;
    std::vector<std::string> tools;
    std::vector<BenchTiming> timings;
    std::vector<BenchTarget> targets;
};

// Lines it cannot read are skipped.
BenchLog ReadBenchLog(std::istream& in);

// Per set and tool: the median time, its spread (10th to 90th percentile),
// the throughput at the median and the body bytes received (the median of
// the passes that say, else the set's size).
std::string TimingTable(const BenchLog& log);

// Per set, the first tool's time over each other tool's, taken within each
// round, so that the machine's drift between rounds cancels out: the median
// ratio and its spread, and the verdict where a target is set.
std::string RatioTable(const BenchLog& log);
