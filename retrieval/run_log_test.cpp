#include "retrieval/run_log.h"

#include <gtest/gtest.h>

namespace {

TEST(RunLogLine, OneTabSeparatedLinePerEntry) {
    const RunLogEntry entry{{2026, 12, 7, 1, 23, 45}, L"http://h/report.pdf", L"OK, HTTP 200", 1234, 421};
    EXPECT_EQ(RunLogLine(entry), L"2026-12-07 01:23:45\thttp://h/report.pdf\tOK, HTTP 200\t1234 bytes\t0.42 s\r\n");
    // Seconds are rounded to hundredths.
    const std::pair<std::uint64_t, const wchar_t*> rounded[] = {
        {4, L"\t0.00 s\r\n"}, {5, L"\t0.01 s\r\n"}, {61'234, L"\t61.23 s\r\n"}};
    for (const auto& [ms, seconds] : rounded)
        EXPECT_TRUE(RunLogLine({{2026, 1, 2, 3, 4, 5}, L"a", L"r", 0, ms}).ends_with(seconds)) << ms;
}

TEST(RunLogLine, AnEntryWithLineBreaksOrTabsStaysOnItsLine) {
    const std::wstring line = RunLogLine({{2026, 1, 2, 3, 4, 5}, L"http://a/\nb\tc\r", L"failed\n", 0, 0});
    EXPECT_EQ(line, L"2026-01-02 03:04:05\thttp://a/\\x0Ab\\x09c\\x0D\tfailed\\x0A\t0 bytes\t0.00 s\r\n");
}

TEST(KeepLastLines, KeepsTheNewestWholeLines) {
    struct Case {
        const wchar_t* text;
        size_t count;
        const wchar_t* expected;
    } cases[] = {
        {L"a\r\nb\r\nc\r\n", 2, L"b\r\nc\r\n"},
        {L"a\r\nb\r\nc\r\n", 5, L"a\r\nb\r\nc\r\n"},
        {L"a\r\nb\r\nc\r\n", 0, L""},
        {L"a\r\nb\r\npartial", 2, L"b\r\npartial"},
        {L"a\nb\r\nc\r\n", 2, L"a\nb\r\nc\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(KeepLastLines(c.text, c.count), c.expected) << c.count;
}

}  // namespace
