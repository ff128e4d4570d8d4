#include "app/run_controller_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_test_support_win.h"
#include "platform/handles_win.h"
#include "platform/test_files_win.h"
#include "platform/test_sequence.h"
#include "retrieval/download_state.h"
#include "retrieval/run_log_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

constexpr UINT_PTR kTickTimer = 1;

// The queue and the choices, as the test sets them.
struct TestSource final : RunSource {
    std::vector<std::wstring> entries;
    NamingChoice naming;
    int interval = 1;

    size_t QueueCount() const override { return entries.size(); }
    std::wstring QueueEntry(size_t position) const override {
        return position < entries.size() ? entries[position] : L"";
    }
    NamingChoice Naming() const override { return naming; }
    int Interval() const override { return interval; }
};

// Every report as a line, with the timer's state where the order matters.
class RecordingListener final : public RunListener {
public:
    Log log;
    std::vector<EntryReport> reports;
    const RunController* controller = nullptr;

    void ScheduleArmed() override { log.push_back(L"armed"); }
    void ScheduleDisarmed() override { log.push_back(L"disarmed"); }
    void CountdownTicked(int minutesLeft) override { log.push_back(L"countdown " + std::to_wstring(minutesLeft)); }
    void RunStarted() override { log.push_back(L"run started" + Timer()); }
    void EntryStarting(size_t position, size_t count) override {
        log.push_back(L"entry " + std::to_wstring(position + 1) + L" of " + std::to_wstring(count));
    }
    void EntryFinished(const EntryReport& report) override {
        log.push_back(L"entry " + std::to_wstring(report.position + 1) + (report.arrived ? L" arrived" : L" failed"));
        reports.push_back(report);
    }
    void RunStopped() override { log.push_back(L"stopped" + Timer()); }
    void RunCompleted(const RunSummary& summary) override {
        const std::wstring unchanged =
            summary.unchanged ? L", " + std::to_wstring(summary.unchanged) + L" unchanged" : L"";
        log.push_back(L"completed, " + std::to_wstring(summary.failed) + L" of " + std::to_wstring(summary.count) +
                      L" failed" + unchanged + Timer());
    }

private:
    std::wstring Timer() const { return controller->TimerEnabled() ? L", timer on" : L", timer off"; }
};

class RunControllerTest : public ::testing::Test {
protected:
    RunControllerTest() {
        source_.naming.folder = downloads_.path();
        listener_.controller = &run_;
    }

    void StartAndRun() {
        ASSERT_EQ(run_.Start(), StartRefusal::None);
        run_.Tick();
    }
    std::string Downloaded(const std::wstring& name) const { return FileBytes(downloads_ / name); }
    std::optional<std::string> LastSent(const std::string& header) const {
        return server_.Received().back().Header(header);
    }
    std::wstring LastResult() const { return listener_.reports.back().result; }
    std::vector<std::wstring> LogLines() const {
        std::vector<std::wstring> lines;
        const std::wstring log = ReadRunLog(RunLogPath(programFolder_.path()));
        for (size_t start = 0, end; (end = log.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            lines.push_back(log.substr(start, end - start));
        return lines;
    }

    TempFolder programFolder_;
    TempFolder downloads_;
    TestHttpServer server_;
    // Where the schedule's minutes would tick; the tests call Tick() themselves.
    const WindowHandle tickWindow_{
        CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)};
    TestSource source_;
    RecordingListener listener_;
    RunController run_{source_, listener_,
                       RunSetup{programFolder_.path(), kTestTransferLimits, tickWindow_.get(), kTickTimer}};
};

// The timer is off from the tick that starts the run until the run has
// reported its end, and then counts the next interval.
TEST_F(RunControllerTest, ReportsEveryStepInOrderAndArmsAgainAfterTheCompletion) {
    server_.Serve("/report.pdf", TestAnswer::Body("report"));
    server_.Serve("/gone.txt", TestAnswer::Status(404));
    source_.entries = {server_.Url("/report.pdf"), server_.Url("/gone.txt")};
    source_.interval = 2;
    ASSERT_EQ(run_.Start(), StartRefusal::None);
    EXPECT_TRUE(run_.TimerEnabled());
    run_.Tick();
    run_.Tick();
    EXPECT_TRUE(SameSequence(listener_.log,
                             {L"armed", L"countdown 1", L"run started, timer off", L"entry 1 of 2", L"entry 1 arrived",
                              L"entry 2 of 2", L"entry 2 failed", L"completed, 1 of 2 failed, timer off"}));
    EXPECT_TRUE(run_.TimerEnabled());
    EXPECT_FALSE(run_.Running());
    ASSERT_EQ(listener_.reports.size(), 2u);
    EXPECT_EQ(listener_.reports[0].result, L"OK, HTTP 200");
    EXPECT_EQ(listener_.reports[0].bytes, 6u);
    EXPECT_EQ(listener_.reports[1].result, L"failed, HTTP 404");
    EXPECT_EQ(Downloaded(L"report.pdf"), "report");

    listener_.log.clear();
    run_.Tick();
    run_.Stop();
    EXPECT_TRUE(SameSequence(listener_.log, {L"countdown 1", L"disarmed"}));
    EXPECT_FALSE(run_.TimerEnabled());
    EXPECT_FALSE(run_.Armed());
}

// In this order; a refused START arms nothing.
TEST_F(RunControllerTest, StartRefusesAnEmptyQueueThenAMissingOrPathLikeCustomNameThenAMissingFolder) {
    EXPECT_EQ(run_.Start(), StartRefusal::EmptyQueue);
    source_.entries = {L"http://a/1"};
    source_.naming = {NamingConvention::Custom, L"", (downloads_ / L"missing")};
    EXPECT_EQ(run_.Start(), StartRefusal::NoCustomName);
    source_.naming.customName = L"sub\\name.txt";
    EXPECT_EQ(run_.Start(), StartRefusal::CustomNameIsAPath);
    source_.naming.customName = L"name.txt";
    EXPECT_EQ(run_.Start(), StartRefusal::NoFolder);
    EXPECT_TRUE(listener_.log.empty());
    EXPECT_FALSE(run_.Armed());
    EXPECT_FALSE(run_.TimerEnabled());

    source_.naming.folder = downloads_.path();
    EXPECT_EQ(run_.Start(), StartRefusal::None);
    EXPECT_TRUE(SameSequence(listener_.log, {L"armed"}));
    EXPECT_TRUE(run_.Armed());
}

TEST_F(RunControllerTest, StopDuringAnEntryLetsItEndAndReportsTheStopInsteadOfTheCompletion) {
    server_.Serve("/1.txt", TestAnswer::Body("one"));
    server_.Serve("/2.txt", TestAnswer::Held("two", 1));
    server_.Serve("/3.txt", TestAnswer::Body("three"));
    source_.entries = {server_.Url("/1.txt"), server_.Url("/2.txt"), server_.Url("/3.txt")};
    WhilePumping watch([&] {
        if (server_.Holding("/2.txt")) {
            run_.Stop();
            server_.Release("/2.txt");
        }
    });
    StartAndRun();

    EXPECT_TRUE(SameSequence(listener_.log, {L"armed", L"run started, timer off", L"entry 1 of 3", L"entry 1 arrived",
                                             L"entry 2 of 3", L"disarmed", L"entry 2 arrived", L"stopped, timer off"}));
    EXPECT_EQ(Downloaded(L"2.txt"), "two");
    EXPECT_EQ(server_.Requests("/3.txt"), 0);
    EXPECT_FALSE(run_.TimerEnabled());
    EXPECT_FALSE(run_.Running());
}

TEST_F(RunControllerTest, StopThenStartBeforeTheEntryEndsRunsOnToTheEndAndRearms) {
    server_.Serve("/1.txt", TestAnswer::Held("one", 1));
    server_.Serve("/2.txt", TestAnswer::Body("two"));
    source_.entries = {server_.Url("/1.txt"), server_.Url("/2.txt")};

    // START during the run arms the timer at once, as it does outside a run.
    int ticksDuringRun = 0;
    WhilePumping watch([&] {
        if (server_.Holding("/1.txt")) {
            run_.Stop();
            EXPECT_EQ(run_.Start(), StartRefusal::None);
            // A tick of the re-armed timer during the run starts no second run.
            run_.Tick();
            ++ticksDuringRun;
            server_.Release("/1.txt");
        }
    });
    StartAndRun();

    EXPECT_EQ(ticksDuringRun, 1);
    EXPECT_EQ(server_.Requests("/1.txt"), 1);
    EXPECT_EQ(Downloaded(L"2.txt"), "two");
    EXPECT_TRUE(run_.TimerEnabled());
    EXPECT_TRUE(SameSequence(
        listener_.log, {L"armed", L"run started, timer off", L"entry 1 of 2", L"disarmed", L"armed", L"entry 1 arrived",
                        L"entry 2 of 2", L"entry 2 arrived", L"completed, 0 of 2 failed, timer on"}));
}

// The custom name is read for every entry; the names themselves are pinned
// by the naming tests.
TEST_F(RunControllerTest, CustomNamesAreNumberedAndANameEmptiedAfterStartNamesNothing) {
    server_.Serve("/a", TestAnswer::Body("A"));
    server_.Serve("/b", TestAnswer::Body("B"));
    source_.naming.convention = NamingConvention::Custom;
    source_.naming.customName = L"data.csv";
    source_.entries = {server_.Url("/a"), server_.Url("/b")};
    StartAndRun();
    EXPECT_EQ(Downloaded(L"data.csv"), "A");
    EXPECT_EQ(Downloaded(L"1_data.csv"), "B");
    // A name emptied after START leaves the entries without one.
    source_.naming.customName.clear();
    listener_.reports.clear();
    run_.Tick();
    EXPECT_EQ(server_.Requests("/a"), 1);
    ASSERT_EQ(listener_.reports.size(), 2u);
    for (const EntryReport& report : listener_.reports) EXPECT_EQ(report.result, L"skipped: no usable file name");
}

// Each fault's own verdict is pinned by the downloader's tests; here a run
// meets a few of them silently, goes on, keeps the files that were there,
// counts what failed and logs why. The log keeps its last lines.
TEST_F(RunControllerTest, FaultsFailOnlyTheirOwnEntriesAndTheLogSaysWhy) {
    for (int i = 0; i < 1005; ++i)
        ASSERT_TRUE(AppendToRunLog(RunLogPath(programFolder_.path()),
                                   {{2026, 1, 1, 0, 0, 0}, L"old " + std::to_wstring(i), L"OK", 0, 0}));
    source_.entries = ServeFaults(server_, downloads_);
    DialogWatcher dialogs;
    StartAndRun();

    EXPECT_TRUE(dialogs.closed().empty());
    EXPECT_EQ(FolderListing(downloads_.path()), "cut.txt gone.txt ok.txt silent.txt ");
    for (const wchar_t* kept : {L"gone.txt", L"silent.txt", L"cut.txt"}) EXPECT_EQ(Downloaded(kept), "good file");
    EXPECT_EQ(server_.Requests("/ok.txt"), 2);
    // The address queued twice comes the second time as the copy it left the first.
    EXPECT_EQ(listener_.log.back(), L"completed, 5 of 7 failed, 1 unchanged, timer off");

    const std::vector<std::wstring> lines = LogLines();
    ASSERT_EQ(lines.size(), kRunLogLines);
    EXPECT_NE(lines.front().find(L"\told 12\t"), std::wstring::npos);
    const std::vector<std::vector<std::wstring>> expected = {
        {server_.Url("/ok.txt"), L"OK, HTTP 200", L"5 bytes"},
        {server_.Url("/gone.txt"), L"failed, HTTP 404"},
        {server_.UnreachableUrl("/far.txt")},
        {L"   ", L"skipped: no usable file name", L"0 bytes"},
    };
    const size_t first = lines.size() - 7;
    for (size_t i = 0; i < expected.size(); ++i) {
        for (const std::wstring& field : expected[i])
            EXPECT_NE(lines[first + i].find(L"\t" + field + L"\t"), std::wstring::npos) << "entry " << i;
    }
    // The unreachable entry says why in the system's words, not just "failed".
    EXPECT_GT(lines[first + 2].size(), lines[first + 3].size());
}

// Each failure is logged in words a user can act on, and a password in an
// address never reaches the log.
TEST_F(RunControllerTest, TheLogSaysWhyInWordsAndShowsNoPassword) {
    server_.Serve("/private.txt", TestAnswer::BasicAuth("user:secret", "private"));
    server_.Serve("/kept.txt", TestAnswer::Body("new"));
    server_.Serve("/empty.txt", TestAnswer::Body(""));
    server_.Serve("/silent.txt", TestAnswer::Silent());
    ASSERT_TRUE(ReplaceFileContent(downloads_ / L"kept.txt", "keep me"));
    ASSERT_TRUE(SetFileAttributesW((downloads_ / L"kept.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(ReplaceFileContent(downloads_ / L"empty.txt", "good file"));
    const std::wstring credentialed = L"http://user:secret@" + server_.Url("/private.txt").substr(7);
    const std::wstring tooLong = server_.Url("/") + std::wstring(4000, L'x') + L".txt";
    source_.entries = {credentialed, server_.Url("/kept.txt"), server_.Url("/empty.txt"), tooLong,
                       server_.Url("/silent.txt")};
    StartAndRun();

    const std::vector<std::wstring> lines = LogLines();
    const std::vector<std::vector<std::wstring>> expected = {
        {L"http://user:***@" + server_.Url("/private.txt").substr(7), L"OK, HTTP 200"},
        {server_.Url("/kept.txt"), L"target is read-only"},
        {server_.Url("/empty.txt"), L"empty answer, kept the previous file"},
        {tooLong, L"the address is too long for a file name"},
        {server_.Url("/silent.txt"), L"timed out (no data for 1 s)"},
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        for (const std::wstring& field : expected[i])
            EXPECT_NE(lines[i].find(L"\t" + field + L"\t"), std::wstring::npos) << "entry " << i;
    }
    EXPECT_EQ(ReadRunLog(RunLogPath(programFolder_.path())).find(L"secret"), std::wstring::npos);
    EXPECT_EQ(Downloaded(L"private.txt"), "private");
    EXPECT_EQ(Downloaded(L"kept.txt"), "keep me");
    EXPECT_EQ(Downloaded(L"empty.txt"), "good file");
    EXPECT_EQ(FolderListing(downloads_.path()), "empty.txt kept.txt private.txt ");
    EXPECT_EQ(listener_.log.back(), L"completed, 4 of 5 failed, timer off");
}

constexpr char kMonday[] = "Mon, 07 Dec 2026 01:23:45 GMT";

// After the first run a schedule on an unchanged file moves only headers,
// and still takes every change.
TEST_F(RunControllerTest, AnUnchangedFileIsOnlyAskedAboutAndEveryChangeIsStillTaken) {
    server_.Serve("/report.pdf", TestAnswer::Validated("report body", "\"v1\"", kMonday));
    source_.entries = {server_.Url("/report.pdf")};
    StartAndRun();
    EXPECT_EQ(LastResult(), L"OK, HTTP 200");
    const FILETIME stored = ModifiedTime(downloads_ / L"report.pdf");

    run_.Tick();
    EXPECT_EQ(LastSent("If-None-Match"), "\"v1\"");
    EXPECT_EQ(LastSent("If-Modified-Since"), kMonday);
    EXPECT_EQ(LastResult(), L"unchanged, HTTP 304");
    EXPECT_TRUE(listener_.reports.back().arrived);
    EXPECT_TRUE(listener_.reports.back().unchanged);
    EXPECT_EQ(listener_.log.back(), L"completed, 0 of 1 failed, 1 unchanged, timer off");
    EXPECT_NE(LogLines().back().find(L"\tunchanged, HTTP 304\t0 bytes\t"), std::wstring::npos);
    EXPECT_EQ(Downloaded(L"report.pdf"), "report body");
    EXPECT_TRUE(SameTime(ModifiedTime(downloads_ / L"report.pdf"), stored));

    // A new ETag with the old date is a change: the server decides.
    server_.Serve("/report.pdf", TestAnswer::Validated("new report", "\"v2\"", kMonday));
    run_.Tick();
    EXPECT_EQ(LastSent("If-None-Match"), "\"v1\"");
    EXPECT_EQ(LastSent("If-Modified-Since"), kMonday);
    EXPECT_EQ(LastResult(), L"OK, HTTP 200");
    EXPECT_EQ(Downloaded(L"report.pdf"), "new report");

    // A copy the user deleted or edited is fetched whole, never asked about.
    for (const char* edit : {"", "new repord"}) {
        if (*edit)
            ASSERT_TRUE(ReplaceFileContent(downloads_ / L"report.pdf", edit));
        else
            ASSERT_TRUE(DeleteFileW((downloads_ / L"report.pdf").c_str()));
        run_.Tick();
        EXPECT_FALSE(LastSent("If-None-Match")) << edit;
        EXPECT_FALSE(LastSent("If-Modified-Since")) << edit;
        EXPECT_EQ(LastResult(), L"OK, HTTP 200") << edit;
        EXPECT_EQ(Downloaded(L"report.pdf"), "new report") << edit;
    }
}

// The hash tells what a server that ignores the question would not say.
TEST_F(RunControllerTest, TheSameBytesAgainStoreACopyOnlyUnderANewNameAndOnlyWhenAskedTo) {
    TestAnswer ignoring = TestAnswer::Validated("report body", "\"v1\"", kMonday);
    ignoring.ignoresConditions = true;
    server_.Serve("/report.pdf", ignoring);
    source_.entries = {server_.Url("/report.pdf")};
    StartAndRun();
    const std::wstring original = downloads_ / L"report.pdf";
    const FILETIME touched = FileTimeOf({2026, 12, 4, 3, 9, 30, 0, 0});
    ASSERT_TRUE(SetModifiedTime(original, touched));
    run_.Tick();
    EXPECT_EQ(LastResult(), L"unchanged, HTTP 200");
    EXPECT_TRUE(SameTime(ModifiedTime(original), touched)) << "not rewritten";

    source_.naming.convention = NamingConvention::OriginalDateTime;
    source_.naming.skipUnchanged = true;
    run_.Tick();
    EXPECT_EQ(LastResult(), L"unchanged, HTTP 200");
    EXPECT_EQ(FolderListing(downloads_.path()), "report.pdf ");

    source_.naming.skipUnchanged = false;
    run_.Tick();
    EXPECT_FALSE(LastSent("If-None-Match")) << "a 304 would leave nothing to store";
    EXPECT_EQ(LastResult(), L"unchanged, HTTP 200");
    const std::string listing = FolderListing(downloads_.path());
    EXPECT_EQ(listing.size(), std::string("[dd_mm_yy-hh_nn_ss]report.pdf report.pdf ").size()) << listing;
    EXPECT_EQ(listing.front(), '[') << listing;
}

TEST_F(RunControllerTest, AnUnchangedBodyTakesNoSerialUnderTheCustomNameWhenAskedNotTo) {
    server_.Serve("/a", TestAnswer::Validated("A", "\"a1\"", kMonday));
    source_.naming = {NamingConvention::Custom, L"data.csv", downloads_.path(), true};
    source_.entries = {server_.Url("/a")};
    StartAndRun();
    run_.Tick();
    EXPECT_EQ(LastResult(), L"unchanged, HTTP 304");
    TestAnswer ignoring = TestAnswer::Validated("A", "\"a1\"", kMonday);
    ignoring.ignoresConditions = true;
    server_.Serve("/a", ignoring);
    run_.Tick();
    EXPECT_EQ(LastResult(), L"unchanged, HTTP 200");
    EXPECT_EQ(FolderListing(downloads_.path()), "data.csv ");

    server_.Serve("/a", TestAnswer::Validated("A2", "\"a2\"", kMonday));
    run_.Tick();
    EXPECT_EQ(Downloaded(L"1_data.csv"), "A2");
}

TEST_F(RunControllerTest, AStateFileThatIsNoStateFileIsSetAsideAndTheRunGoesOn) {
    const std::string broken = "{\"version\": 1, \"addresses\": {\"http://";
    ASSERT_TRUE(ReplaceFileContent(programFolder_ / kStateFileName, broken));
    server_.Serve("/report.pdf", TestAnswer::Validated("report body", "\"v1\"", kMonday));
    source_.entries = {server_.Url("/report.pdf")};
    StartAndRun();
    EXPECT_EQ(listener_.log.back(), L"completed, 0 of 1 failed, timer off");
    EXPECT_FALSE(LastSent("If-None-Match"));
    EXPECT_EQ(FileBytes(programFolder_ / kBadStateFileName), broken);
    const std::optional<StateFile> state = ParseStateFile(FileBytes(programFolder_ / kStateFileName));
    ASSERT_TRUE(state);
    EXPECT_EQ(state->downloads.at(server_.Url("/report.pdf")).target, downloads_ / L"report.pdf");
}

}  // namespace
