#include "bench/bench_log.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "platform/test_sequence.h"

namespace {

BenchLog Read(const std::string& text) {
    std::istringstream in(text);
    return ReadBenchLog(in);
}

TEST(BenchLog, ReadsEveryKindOfLineAndSkipsWhatItCannotRead) {
    const BenchLog log = Read(
        "set\tsmall files\t5120000\r\n"
        "tool\tDownloadFile\n"
        "tool\tcurl\n"
        "time\tsmall files\t2\tcurl\t0.25\n"
        "time\tsmall files\tx\tcurl\t0.25\n"
        "time\tsmall files\t3\tDownloadFile\t0.5\t1024\n"
        "target\tsmall files\tcurl\t1.1\n"
        "noise\n");
    ASSERT_EQ(log.sets.size(), 1u);
    EXPECT_EQ(log.sets[0].name, "small files");
    EXPECT_EQ(log.sets[0].bytes, 5120000u);
    EXPECT_TRUE(SameSequence(log.tools, std::vector<std::string>{"DownloadFile", "curl"}));
    ASSERT_EQ(log.timings.size(), 2u);
    EXPECT_EQ(log.timings[0].round, 2);
    EXPECT_DOUBLE_EQ(log.timings[0].seconds, 0.25);
    EXPECT_FALSE(log.timings[0].received);
    EXPECT_EQ(log.timings[1].received, 1024u);
    ASSERT_EQ(log.targets.size(), 1u);
    EXPECT_DOUBLE_EQ(log.targets[0].ratio, 1.1);
}

TEST(BenchLog, RatiosAreTakenWithinEachRoundSoDriftCancels) {
    // The machine slows down tenfold from round to round; within a round the
    // measured tool always takes twice as long as the reference.
    std::string text = "set\tone\t1048576\ntool\tA\ntool\tB\ntarget\tone\tB\t1.5\n";
    for (int round = 1; round <= 3; ++round) {
        const double scale = round == 1 ? 1 : round == 2 ? 10 : 100;
        text += "time\tone\t" + std::to_string(round) + "\tA\t" + std::to_string(2 * scale) + "\n";
        text += "time\tone\t" + std::to_string(round) + "\tB\t" + std::to_string(scale) + "\n";
    }
    // A round the reference missed counts for nothing.
    text += "time\tone\t4\tA\t7\n";
    const std::string ratios = RatioTable(Read(text));
    EXPECT_NE(ratios.find("2.00 (2.00 - 2.00)"), std::string::npos) << ratios;
    EXPECT_NE(ratios.find("<= 1.50 x B: MISSED"), std::string::npos) << ratios;

    const std::string timings = TimingTable(Read(text));
    // A: 2, 20, 200 and 7 seconds; the median of four is the mean of the middle two.
    EXPECT_NE(timings.find("13.500"), std::string::npos) << timings;
    EXPECT_NE(timings.find("2.000 - 200.000"), std::string::npos) << timings;

    // A target met, and a tool without timings shown as such.
    const std::string met =
        RatioTable(Read("set\tone\t1\ntool\tA\ntool\tB\ntool\tC\ntarget\tone\tB\t1.1\n"
                        "time\tone\t1\tA\t1\ntime\tone\t1\tB\t1\n"));
    EXPECT_NE(met.find("<= 1.10 x B: met"), std::string::npos) << met;
    EXPECT_TRUE(std::regex_search(met, std::regex(R"(1\.00 \(1\.00 - 1\.00\) +- +<= )"))) << "C has no ratio: " << met;
}

// A pass that moves only headers shows what it received, not the set's size.
TEST(BenchLog, ThroughputCountsTheBytesAPassReceived) {
    const std::string timings =
        TimingTable(Read("set\trun 1\t10485760\nset\trun 2\t10485760\ntool\tA\n"
                         "time\trun 1\t1\tA\t2\ntime\trun 2\t1\tA\t0.5\t1048576\ntime\trun 2\t2\tA\t0.5\t0\n"));
    EXPECT_TRUE(std::regex_search(timings, std::regex(R"(run 1 +A +2\.000 +2\.000 - 2\.000 +5\.0 +10485760\n)")))
        << timings;
    EXPECT_TRUE(std::regex_search(timings, std::regex(R"(run 2 +A +0\.500 +0\.500 - 0\.500 +1\.0 +524288\n)")))
        << timings;
}

}  // namespace
