#include "bench/bench_log.h"

#include <cstdio>
#include <map>
#include <sstream>

#include "bench/timing_summary.h"

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    return fields;
}

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

std::string Cell(const std::string& text, int width) {
    // Table cells are ASCII, so bytes are columns.
    return text.size() >= static_cast<size_t>(width) ? text + " " : text + std::string(width - text.size(), ' ');
}

constexpr int kNameWidth = 22;
constexpr int kToolWidth = 20;
constexpr int kCellWidth = 26;
constexpr double kMiB = 1024.0 * 1024.0;

// Seconds of one tool in one set, by round.
std::map<int, double> Rounds(const BenchLog& log, const std::string& set, const std::string& tool) {
    std::map<int, double> rounds;
    for (const BenchTiming& t : log.timings)
        if (t.set == set && t.tool == tool) rounds[t.round] = t.seconds;
    return rounds;
}

// The body bytes one tool received in one set's passes.
double Received(const BenchLog& log, const BenchSet& set, const std::string& tool) {
    std::vector<double> received;
    for (const BenchTiming& t : log.timings)
        if (t.set == set.name && t.tool == tool && t.received) received.push_back(static_cast<double>(*t.received));
    return received.empty() ? static_cast<double>(set.bytes) : Summarise(received).median;
}

}  // namespace

BenchLog ReadBenchLog(std::istream& in) {
    BenchLog log;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> f = Fields(line);
        try {
            if (f.size() == 3 && f[0] == "set")
                log.sets.push_back({f[1], std::stoull(f[2])});
            else if (f.size() == 2 && f[0] == "tool")
                log.tools.push_back(f[1]);
            else if ((f.size() == 5 || f.size() == 6) && f[0] == "time")
                log.timings.push_back({f[1], std::stoi(f[2]), f[3], std::stod(f[4]),
                                       f.size() == 6 ? std::optional(std::stoull(f[5])) : std::nullopt});
            else if (f.size() == 4 && f[0] == "target")
                log.targets.push_back({f[1], f[2], std::stod(f[3])});
        } catch (const std::exception&) {
            // A number that does not parse: the line is skipped.
        }
    }
    return log;
}

std::string TimingTable(const BenchLog& log) {
    std::string table = Cell("", kNameWidth) + Cell("", kToolWidth) + Cell("median s", 10) + Cell("p10 - p90 s", 18) +
                        Cell("MiB/s", 10) + "bytes\n";
    for (const BenchSet& set : log.sets) {
        for (const std::string& tool : log.tools) {
            std::vector<double> seconds;
            for (const auto& [round, s] : Rounds(log, set.name, tool)) seconds.push_back(s);
            if (seconds.empty()) continue;
            const TimingSummary summary = Summarise(seconds);
            const double bytes = Received(log, set, tool);
            table += Cell(set.name, kNameWidth) + Cell(tool, kToolWidth) + Cell(Format("%.3f", summary.median), 10) +
                     Cell(Format("%.3f - %.3f", summary.p10, summary.p90), 18) +
                     Cell(Format("%.1f", bytes / kMiB / summary.median), 10) + Format("%.0f", bytes) + "\n";
        }
    }
    return table;
}

std::string RatioTable(const BenchLog& log) {
    if (log.tools.empty()) return {};
    const std::string& measured = log.tools.front();
    std::string table = Cell(measured + " over", kNameWidth);
    for (size_t i = 1; i < log.tools.size(); ++i) table += Cell(log.tools[i], kCellWidth);
    table += "target\n";
    for (const BenchSet& set : log.sets) {
        const std::map<int, double> own = Rounds(log, set.name, measured);
        std::string row = Cell(set.name, kNameWidth);
        std::string verdicts;
        for (size_t i = 1; i < log.tools.size(); ++i) {
            std::vector<double> ratios;
            for (const auto& [round, seconds] : Rounds(log, set.name, log.tools[i]))
                if (own.count(round) && seconds > 0) ratios.push_back(own.at(round) / seconds);
            if (ratios.empty()) {
                row += Cell("-", kCellWidth);
                continue;
            }
            const TimingSummary summary = Summarise(ratios);
            row += Cell(Format("%.2f (%.2f - %.2f)", summary.median, summary.p10, summary.p90), kCellWidth);
            for (const BenchTarget& target : log.targets)
                if (target.set == set.name && target.tool == log.tools[i])
                    verdicts += Format("<= %.2f x %s: ", target.ratio, target.tool.c_str()) +
                                (summary.median <= target.ratio ? "met" : "MISSED");
        }
        table += row + verdicts + "\n";
    }
    return table;
}
