#include "app/entry_status.h"

#include <gtest/gtest.h>

namespace {

EntryAttempt Failure(const wchar_t* words = L"failed, HTTP 404") {
    EntryAttempt attempt;
    attempt.time = {2026, 12, 9, 8, 5, 7};
    attempt.words = words;
    attempt.targetPath = L"C:\\Downloads\\gone.txt";
    return attempt;
}

EntryAttempt Success(bool unchanged = false) {
    EntryAttempt attempt = Failure(unchanged ? L"unchanged, HTTP 304" : L"OK, HTTP 200");
    attempt.arrived = true;
    attempt.unchanged = unchanged;
    attempt.bytes = 1234;
    return attempt;
}

TEST(QueueStatuses, TheStreakCountsRunsInARowAndASuccessEndsIt) {
    const std::wstring address = L"http://example.com/gone.txt";
    QueueStatuses statuses;
    EXPECT_EQ(statuses.Of(address).result, EntryResult::NotFetched);
    std::vector<unsigned> streaks;
    const auto run = [&](const EntryAttempt& attempt) {
        statuses.BeginRun();
        statuses.Record(address, attempt);
        streaks.push_back(statuses.Of(address).failedRuns);
    };
    run(Failure());
    run(Failure());
    run(Failure(L"The server name or address could not be resolved"));
    EXPECT_EQ(statuses.Of(address).result, EntryResult::Failed);
    run(Success());
    EXPECT_EQ(statuses.Of(address).result, EntryResult::Downloaded);
    run(Failure());
    run(Success(true));
    EXPECT_EQ(statuses.Of(address).result, EntryResult::Unchanged);
    EXPECT_EQ(streaks, (std::vector<unsigned>{1, 2, 3, 0, 1, 0}));
}

TEST(QueueStatuses, AnAddressQueuedTwiceFailsOncePerRun) {
    const std::wstring address = L"http://example.com/twice.txt";
    QueueStatuses statuses;
    for (int run = 0; run < 2; ++run) {
        statuses.BeginRun();
        statuses.Record(address, Failure());
        statuses.Record(address, Failure());
    }
    EXPECT_EQ(statuses.Of(address).failedRuns, 2u);
    EXPECT_EQ(statuses.Of(L"http://example.com/other.txt").result, EntryResult::NotFetched);
}

TEST(QueueStatuses, ARememberedResultShowsUntilTheSessionHasOneAndItsStreakGoesOn) {
    const std::wstring address = L"http://example.com/a.txt";
    QueueStatuses statuses;
    EntryStatus remembered = NextStatus({}, Failure(), 1);
    remembered.failedRuns = 4;
    statuses.Remember(address, remembered);
    EXPECT_EQ(statuses.Of(address).failedRuns, 4u);
    statuses.BeginRun();
    statuses.Record(address, Failure());
    EXPECT_EQ(statuses.Of(address).failedRuns, 5u) << "the session's first run is not the remembered one";
    statuses.Remember(address, NextStatus({}, Success(), 0));
    EXPECT_EQ(statuses.Of(address).result, EntryResult::Failed) << "the session's own result comes first";
}

TEST(QueueStatuses, AnEntryWithoutANameKeepsItsLastFile) {
    QueueStatuses statuses;
    statuses.BeginRun();
    statuses.Record(L"a", Success());
    EntryAttempt skipped = Failure(L"skipped: no usable file name");
    skipped.targetPath.clear();
    statuses.BeginRun();
    statuses.Record(L"a", skipped);
    EXPECT_EQ(statuses.Of(L"a").targetPath, L"C:\\Downloads\\gone.txt");
}

TEST(EntryStatusTexts, TipAndReaderSayTheResultWithStatusBytesAndFile) {
    EntryStatus failed = NextStatus({}, Failure(), 1);
    failed = NextStatus(failed, Failure(), 2);
    failed = NextStatus(failed, Failure(), 3);
    EXPECT_EQ(StatusTipText(failed),
              L"2026-12-09 08:05:07\r\nFailed 3 runs in a row: failed, HTTP 404\r\n0 bytes\r\ngone.txt");
    EXPECT_EQ(StreakMark(failed.failedRuns), L"failed 3\u00D7");
    EXPECT_EQ(AccessibleEntryName(L"http://h/gone.txt", failed),
              L"http://h/gone.txt, failed 3 runs in a row: failed, HTTP 404");

    const EntryStatus once = NextStatus({}, Failure(L"The operation timed out"), 1);
    EXPECT_EQ(AccessibleEntryName(L"x", once), L"x, failed: The operation timed out");
    const EntryStatus arrived = NextStatus(failed, Success(), 4);
    EXPECT_EQ(StatusTipText(arrived), L"2026-12-09 08:05:07\r\nDownloaded: OK, HTTP 200\r\n1234 bytes\r\ngone.txt");
    EXPECT_EQ(AccessibleEntryName(L"x", NextStatus({}, Success(true), 1)), L"x, unchanged: unchanged, HTTP 304");
    EXPECT_EQ(StatusTipText({}), L"Not yet fetched");
    EXPECT_EQ(AccessibleEntryName(L"http://h/new.txt", {}), L"http://h/new.txt, not yet fetched");
}

}  // namespace
