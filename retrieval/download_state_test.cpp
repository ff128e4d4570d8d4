#include "retrieval/download_state.h"

#include <gtest/gtest.h>

namespace {

const std::string kHash(64, 'a');

RememberedDownload Record(std::wstring target) {
    return {L"W/\"v1\"", L"Tue, 01 Dec 2026 10:00:00 GMT", 42, kHash, std::move(target), 134'095'000'000'000'000};
}

TEST(StateFile, KeepsEveryRecordOfTheQueueWhateverItsScriptAndDropsTheRest) {
    const DownloadState state = {
        {L"http://a/\u4F8B\U0001F600.txt", Record(L"C:\\d\\\u4F8B\U0001F600.txt")},
        {L"http://a/no-validators", {L"", L"", 0, kHash, L"C:\\d\\no-validators.html"}},
        {L"http://a/gone", Record(L"C:\\d\\gone")},
    };
    const std::optional<StateFile> read =
        ParseStateFile(StateFileText(state, {L"http://a/\u4F8B\U0001F600.txt", L"http://a/no-validators"}, {}));
    ASSERT_TRUE(read);
    DownloadState expected = state;
    expected.erase(L"http://a/gone");
    EXPECT_EQ(read->downloads, expected);
}

TEST(StateFile, WhatIsNoStateFileReadsAsNothingAndABadRecordOnlyLosesItself) {
    const std::string whole = StateFileText({{L"http://a/1", Record(L"C:\\d\\1")}}, {L"http://a/1"}, {});
    for (const std::string& text : {whole.substr(0, whole.size() / 2), std::string(), std::string("[]"),
                                    std::string("{\"version\": 2, \"addresses\": {}}"),
                                    std::string("{\"version\": 1, \"addresses\": []}"), std::string("\xFF\xFE{}")})
        EXPECT_FALSE(ParseStateFile(text)) << text;

    const std::string records = R"({"version": 1, "addresses": {
        "http://a/good": {"etag": "\"e\"", "lastModified": "", "size": 3, "sha256": ")" +
                                kHash + R"(", "target": "C:\\d\\good"},
        "http://a/short-hash": {"size": 3, "sha256": "abc", "target": "C:\\d\\x"},
        "http://a/no-target": {"size": 3, "sha256": ")" +
                                kHash + R"("},
        "http://a/negative": {"size": -1, "sha256": ")" +
                                kHash + R"(", "target": "C:\\d\\x"},
        "http://a/header-break": {"etag": "\"e\"\r\nX-Evil: 1", "size": 3, "sha256": ")" +
                                kHash + R"(", "target": "C:\\d\\x"},
        "http://a/not-an-object": 7}})";
    const std::optional<StateFile> read = ParseStateFile(records);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->downloads.size(), 1u);
    EXPECT_EQ(read->downloads.at(L"http://a/good"), (RememberedDownload{L"\"e\"", L"", 3, kHash, L"C:\\d\\good"}));
}

EntryStatus Failed(unsigned runs) {
    return {EntryResult::Failed, runs, {2026, 12, 9, 8, 5, 7}, L"failed, HTTP 404", 0, L"C:\\d\\gone.txt"};
}

TEST(StateFile, KeepsTheLastResultOfEveryQueuedAddressAndReadsOlderFilesWithoutThem) {
    const std::wstring wide = L"http://a/\u4F8B\U0001F600.txt";
    const RememberedResults results = {
        {wide, {EntryResult::Downloaded, 0, {2026, 1, 2, 3, 4, 5}, L"OK, HTTP 200 \u00E9", 42, L"C:\\d\\\u4F8B.txt"}},
        {L"http://a/same", {EntryResult::Unchanged, 0, {2026, 12, 31, 23, 59, 59}, L"unchanged, HTTP 304", 0, L""}},
        {L"http://a/gone", Failed(3)},
        {L"http://a/never", {}},
        {L"http://a/unqueued", Failed(1)},
    };
    const std::string text = StateFileText({}, {wide, L"http://a/same", L"http://a/gone", L"http://a/never"}, results);
    const std::optional<StateFile> read = ParseStateFile(text);
    ASSERT_TRUE(read) << "the downloads' part stays readable";
    RememberedResults expected = results;
    expected.erase(L"http://a/never");
    expected.erase(L"http://a/unqueued");
    EXPECT_EQ(read->results, expected);

    const std::optional<StateFile> older = ParseStateFile(R"({"version": 1, "addresses": {}})");
    ASSERT_TRUE(older);
    EXPECT_TRUE(older->results.empty());
    EXPECT_FALSE(ParseStateFile(text.substr(0, text.size() / 2)));
}

TEST(StateFile, AResultThatCannotBeReadOnlyLosesItself) {
    const std::string text = R"({"version": 1, "addresses": {}, "results": {
        "http://a/good": {"result": "failed", "failedRuns": 2, "time": [2026, 12, 9, 8, 5, 7],
                          "words": "failed, HTTP 404", "bytes": 0, "target": "C:\\d\\gone.txt"},
        "http://a/unknown-kind": {"result": "lost", "failedRuns": 0, "time": [2026, 1, 1, 0, 0, 0],
                                  "words": "", "bytes": 0, "target": ""},
        "http://a/short-time": {"result": "failed", "failedRuns": 1, "time": [2026, 1],
                                "words": "", "bytes": 0, "target": ""},
        "http://a/negative-streak": {"result": "failed", "failedRuns": -1, "time": [2026, 1, 1, 0, 0, 0],
                                     "words": "", "bytes": 0, "target": ""},
        "http://a/no-words": {"result": "downloaded", "failedRuns": 0, "time": [2026, 1, 1, 0, 0, 0],
                              "bytes": 0, "target": ""},
        "http://a/not-an-object": "failed"}})";
    const std::optional<StateFile> read = ParseStateFile(text);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->results.size(), 1u);
    EXPECT_EQ(read->results.at(L"http://a/good"), Failed(2));
}

TEST(PlanRevalidation, AsksForAChangeOnlyWhereAnUnchangedBodyWouldStoreNothing) {
    const RememberedDownload original = Record(L"C:\\d\\report.pdf");
    const auto plan = [&](const RememberedDownload* r, bool intact, const std::wstring& target, NamingConvention c,
                          bool skip) { return PlanRevalidation(r, intact, target, c, skip); };
    using enum NamingConvention;

    KnownCopy copy = plan(&original, true, L"c:\\D\\REPORT.pdf", OriginalName, false);
    EXPECT_EQ(copy.ifNoneMatch, original.etag);
    EXPECT_EQ(copy.ifModifiedSince, original.lastModified);
    EXPECT_EQ(copy.sha256, kHash);
    EXPECT_TRUE(copy.keepUnchanged);

    // Gone or changed, moved elsewhere, or never fetched: fetched whole and stored.
    for (const KnownCopy& fresh : {plan(&original, false, L"C:\\d\\report.pdf", OriginalName, true),
                                   plan(&original, true, L"C:\\e\\report.pdf", OriginalName, true),
                                   plan(nullptr, true, L"C:\\d\\report.pdf", OriginalName, true)}) {
        EXPECT_EQ(ConditionalHeaders(fresh), L"");
        EXPECT_EQ(fresh.sha256, "");
        EXPECT_FALSE(fresh.keepUnchanged);
    }

    // A new name every run: the option decides.
    const RememberedDownload stamped = Record(L"C:\\d\\[07_12_26-01_23_45]report.pdf");
    copy = plan(&stamped, true, L"C:\\d\\[07_12_26-01_24_45]report.pdf", OriginalDateTime, true);
    EXPECT_EQ(ConditionalHeaders(copy),
              L"If-None-Match: W/\"v1\"\r\nIf-Modified-Since: " + original.lastModified + L"\r\n");
    EXPECT_TRUE(copy.keepUnchanged);
    copy = plan(&stamped, true, L"C:\\d\\1_data.csv", Custom, false);
    EXPECT_EQ(ConditionalHeaders(copy), L"") << "a 304 would leave nothing to store";
    EXPECT_EQ(copy.sha256, kHash) << "the log still tells an unchanged body";
    EXPECT_FALSE(copy.keepUnchanged);
    EXPECT_FALSE(plan(&stamped, true, L"C:\\e\\1_data.csv", Custom, true).keepUnchanged);
}

TEST(UpdatedRecord, RemembersWhatWasStoredAndRefreshesValidatorsOfAnUnchangedFullAnswer) {
    const RememberedDownload old = Record(L"C:\\d\\a");
    DownloadOutcome stored;
    stored.status = 200;
    stored.etag = L"\"v2\"";
    stored.bytes = 7;
    stored.sha256 = std::string(64, 'b');
    stored.storedPath = L"C:\\d\\1_a";
    EXPECT_EQ(UpdatedRecord(&old, stored), (RememberedDownload{L"\"v2\"", L"", 7, stored.sha256, L"C:\\d\\1_a"}));

    DownloadOutcome same;
    same.status = 200;
    same.unchanged = true;
    same.etag = L"\"v3\"";
    same.sha256 = kHash;
    RememberedDownload refreshed = old;
    refreshed.etag = L"\"v3\"";
    refreshed.lastModified = L"";
    EXPECT_EQ(UpdatedRecord(&old, same), refreshed);

    DownloadOutcome notModified;
    notModified.status = 304;
    notModified.unchanged = true;
    EXPECT_FALSE(UpdatedRecord(&old, notModified));
    DownloadOutcome failed = stored;
    failed.failure = DownloadFailure::Incomplete;
    EXPECT_FALSE(UpdatedRecord(&old, failed));
}

}  // namespace
