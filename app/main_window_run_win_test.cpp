#include <gtest/gtest.h>

#include <memory>

#include "app/app_test_support_win.h"
#include "app/main_window_win.h"
#include "controls/systray/tray_record.h"
#include "retrieval/run_log_win.h"
#include "platform/handles_win.h"
#include "platform/message_loop_win.h"
#include "platform/test_files_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

struct Seen {
    std::wstring panel2;
    int progress;
    bool operator==(const Seen&) const = default;
};

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<frmMain>(env_.environment());
        EXPECT_TRUE(form_->Show());
        SetWindowTextW(form_->Control(idTxtPath), downloads_.path().c_str());
    }
    void Queue(const std::vector<std::wstring>& entries) {
        std::wstring text;
        for (const std::wstring& entry : entries) text += entry + L"\r\n";
        SetWindowTextW(form_->Control(idTxtURLs), text.c_str());
        Click(*form_, idCmdAdd);
    }
    void StartAndRun() {
        Click(*form_, idCmdAction);
        ASSERT_EQ(TextOf(form_->Control(idCmdAction)), L"&STOP");
        form_->tmrAutoUpdater_Timer();
    }
    std::string Downloaded(const std::wstring& name) const { return FileBytes(downloads_ / name); }
    std::vector<std::wstring> SplitLog() const {
        std::vector<std::wstring> lines;
        const std::wstring log = ReadRunLog(RunLogPath(env_.folder().path()));
        for (size_t start = 0, end; (end = log.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            lines.push_back(log.substr(start, end - start));
        return lines;
    }
    std::string Listing() const { return FolderListing(downloads_.path()); }

    TestEnvironment env_;
    TempFolder downloads_;
    TestHttpServer server_;
    std::unique_ptr<frmMain> form_;
};

TEST_F(RunTest, EntriesArriveUnderTheirNamesWithProgressFromZeroInEveryRun) {
    const char* const paths[] = {"/files/report.pdf", "/news/", "/get.php?id=7"};
    const auto serve = [&] {
        server_.Serve(paths[0], TestAnswer::Held("report body", 3));
        server_.Serve(paths[1], TestAnswer::Held("<html>news</html>", 3));
        server_.Serve(paths[2], TestAnswer::Held("id 7", 1));
    };
    serve();
    Queue({server_.Url(paths[0]), server_.Url(paths[1]), server_.Url(paths[2])});

    std::vector<Seen> seen;
    DuringRun watch([&] {
        for (const char* path : paths) {
            if (server_.Holding(path)) {
                seen.push_back({Panel(*form_, 2), Progress(*form_)});
                server_.Release(path);
            }
        }
    });
    StartAndRun();
    const std::vector<Seen> oneRun = {
        {L"Downloading file 1 of 3", 0}, {L"Downloading file 2 of 3", 1}, {L"Downloading file 3 of 3", 2}};
    EXPECT_EQ(seen, oneRun);
    EXPECT_EQ(Downloaded(L"report.pdf"), "report body");
    EXPECT_EQ(Downloaded(L"news.html"), "<html>news</html>");
    EXPECT_EQ(Downloaded(L"get.phpid=7"), "id 7");
    EXPECT_EQ(Listing(), "get.phpid=7 news.html report.pdf ");
    EXPECT_EQ(Progress(*form_), 3);
    EXPECT_EQ(Panel(*form_, 1), L"Downloading in 1 min(s).");
    EXPECT_EQ(Panel(*form_, 2), L"3 file(s) queued for download");
    EXPECT_TRUE(form_->ScheduleTimerEnabled());
    EXPECT_FALSE(form_->RunActive());

    // The interval is one minute: the next tick runs again, from 0; the full
    // bar stays between runs.
    serve();
    seen.clear();
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(seen, oneRun);
    EXPECT_EQ(Progress(*form_), 3);
}

TEST_F(RunTest, StopDuringTheSecondEntryLetsItFinishAndSkipsTheRest) {
    server_.Serve("/1.txt", TestAnswer::Body("one"));
    server_.Serve("/2.txt", TestAnswer::Held("two", 1));
    server_.Serve("/3.txt", TestAnswer::Body("three"));
    Queue({server_.Url("/1.txt"), server_.Url("/2.txt"), server_.Url("/3.txt")});

    DuringRun watch([&] {
        if (server_.Holding("/2.txt")) {
            Click(*form_, idCmdAction);
            server_.Release("/2.txt");
        }
    });
    StartAndRun();

    EXPECT_EQ(Downloaded(L"2.txt"), "two");
    EXPECT_EQ(server_.Requests("/3.txt"), 0);
    EXPECT_EQ(Downloaded(L"3.txt"), "<missing>");
    EXPECT_EQ(Panel(*form_, 1), L"idle");
    EXPECT_EQ(Panel(*form_, 2), L"3 file(s) queued for download");
    EXPECT_EQ(FieldText(form_->Tray().Record().szInfo), L"") << "a stopped run shows no balloon";
    EXPECT_EQ(Progress(*form_), 0);
    EXPECT_EQ(TextOf(form_->Control(idCmdAction)), L"&START");
    EXPECT_FALSE(form_->ScheduleTimerEnabled());
    EXPECT_TRUE(IsWindowEnabled(form_->Control(idVScroll1)));
}

TEST_F(RunTest, StopThenStartBeforeTheEntryEndsRunsOnToTheEndAndRearms) {
    server_.Serve("/1.txt", TestAnswer::Held("one", 1));
    server_.Serve("/2.txt", TestAnswer::Body("two"));
    Queue({server_.Url("/1.txt"), server_.Url("/2.txt")});

    int ticksDuringRun = 0;
    DuringRun watch([&] {
        if (server_.Holding("/1.txt")) {
            Click(*form_, idCmdAction);
            Click(*form_, idCmdAction);
            // A tick of the re-armed timer during the run starts no second run.
            form_->tmrAutoUpdater_Timer();
            ++ticksDuringRun;
            server_.Release("/1.txt");
        }
    });
    StartAndRun();

    EXPECT_EQ(ticksDuringRun, 1);
    EXPECT_EQ(server_.Requests("/1.txt"), 1);
    EXPECT_EQ(Downloaded(L"2.txt"), "two");
    EXPECT_EQ(TextOf(form_->Control(idCmdAction)), L"&STOP");
    EXPECT_EQ(Panel(*form_, 1), L"Downloading in 1 min(s).");
    EXPECT_TRUE(form_->ScheduleTimerEnabled());
    EXPECT_EQ(Progress(*form_), 2);
}

// The names a custom name may not be are pinned by the naming tests; here
// one refused at START and the same skipped in a run.
TEST_F(RunTest, CustomNamesAreNumberedAndNamelessOrPathLikeOnesAreSkipped) {
    server_.Serve("/a", TestAnswer::Body("A"));
    server_.Serve("/b", TestAnswer::Body("B"));
    server_.Serve("/c", TestAnswer::Body("C"));
    ASSERT_TRUE(ReplaceFileContent(downloads_ / L"keep.txt", "kept"));
    Click(*form_, idOptCustom);
    Queue({server_.Url("/a"), server_.Url("/b"), server_.Url("/c")});
    DialogWatcher dialogs;
    SetWindowTextW(form_->Control(idTxtCustomName), L"..\\keep.txt");
    Click(*form_, idCmdAction);
    EXPECT_EQ(TextOf(form_->Control(idCmdAction)), L"&START");
    ASSERT_EQ(dialogs.closed().size(), 1u);
    EXPECT_NE(dialogs.closed()[0].text.find(L"custom file name"), std::wstring::npos);

    SetWindowTextW(form_->Control(idTxtCustomName), L"data.csv");
    StartAndRun();
    EXPECT_EQ(Downloaded(L"data.csv"), "A");
    EXPECT_EQ(Downloaded(L"1_data.csv"), "B");
    EXPECT_EQ(Downloaded(L"2_data.csv"), "C");

    // A name emptied or made a path after START leaves the entries without one.
    for (const wchar_t* name : {L"", L"..\\keep.txt"}) {
        SetWindowTextW(form_->Control(idTxtCustomName), name);
        form_->tmrAutoUpdater_Timer();
        EXPECT_EQ(server_.Requests("/a"), 1);
        EXPECT_EQ(Progress(*form_), 3);
    }
    EXPECT_EQ(Listing(), "1_data.csv 2_data.csv data.csv keep.txt ");
    EXPECT_EQ(Downloaded(L"keep.txt"), "kept");
    EXPECT_EQ(dialogs.closed().size(), 1u);
}

TEST_F(RunTest, DateAndTimeConventionPrefixesEachName) {
    server_.Serve("/report.pdf", TestAnswer::Body("pdf"));
    Click(*form_, idOptOriginalDateTime);
    Queue({server_.Url("/report.pdf")});
    StartAndRun();
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileW((downloads_ / L"[*]report.pdf").c_str(), &found));
    ASSERT_TRUE(search);
    EXPECT_EQ(std::wstring(found.cFileName).size(), std::wstring(L"[dd_mm_yy-hh_nn_ss]report.pdf").size());
}

// Each fault's own verdict is pinned by the downloader's tests; here a run
// meets a few of them, silently, and goes on.
TEST_F(RunTest, EveryFaultFailsOnlyItsOwnEntryAndTheRunGoesOn) {
    TestAnswer chunkedCut = TestAnswer::Chunked(std::string(1000, 'c'));
    chunkedCut.pieceBytes = 100;
    chunkedCut.cutAfter = 500;
    const std::pair<const char*, TestAnswer> faults[] = {
        {"/silent.txt", TestAnswer::Silent()},
        {"/stalled-body.txt", TestAnswer::BodyStalls(std::string(10'000, 'b'), 100)},
        {"/trickle.txt", TestAnswer::Slowly(std::string(100'000, 't'), 1, 30)},
        {"/loop.txt", TestAnswer::Redirect(302, "/loop.txt")},
        {"/gone.txt", TestAnswer::Status(404)},
        {"/cut.txt", TestAnswer::CutShort(std::string(10000, 'x'), 100)},
        {"/chunked-cut.txt", chunkedCut},
    };
    std::vector<std::wstring> entries;
    for (const auto& [path, answer] : faults) {
        server_.Serve(path, answer);
        entries.push_back(server_.Url(path));
        ASSERT_TRUE(ReplaceFileContent(downloads_ / std::wstring(path + 1, path + strlen(path)), "good file"));
    }
    server_.Serve("/last.txt", TestAnswer::Body("arrived"));
    entries.push_back(server_.UnreachableUrl("/far.txt"));
    // An address queued twice is fetched twice.
    entries.push_back(server_.Url("/last.txt"));
    entries.push_back(server_.Url("/last.txt"));
    Queue(entries);

    DialogWatcher dialogs;
    StartAndRun();

    EXPECT_TRUE(dialogs.closed().empty());
    for (const auto& [path, answer] : faults)
        EXPECT_EQ(Downloaded(std::wstring(path + 1, path + strlen(path))), "good file") << path;
    EXPECT_EQ(Downloaded(L"last.txt"), "arrived");
    EXPECT_EQ(server_.Requests("/last.txt"), 2);
    EXPECT_EQ(Listing(), "chunked-cut.txt cut.txt gone.txt last.txt loop.txt silent.txt stalled-body.txt trickle.txt ");
    EXPECT_EQ(Progress(*form_), static_cast<int>(entries.size()));
    EXPECT_EQ(Panel(*form_, 2), L"10 file(s) queued for download");
    EXPECT_TRUE(form_->ScheduleTimerEnabled());
}

TEST_F(RunTest, AMixedRunSaysHowManyFailedAndLogsWhy) {
    server_.Serve("/ok.txt", TestAnswer::Body("12345"));
    server_.Serve("/gone.txt", TestAnswer::Status(404));
    Queue({server_.Url("/ok.txt"), server_.Url("/gone.txt"), server_.UnreachableUrl("/far.txt"), L"   "});
    DialogWatcher dialogs;
    StartAndRun();

    EXPECT_TRUE(dialogs.closed().empty());
    const std::wstring balloon = FieldText(form_->Tray().Record().szInfo);
    EXPECT_EQ(balloon.rfind(L"Download complete in: ", 0), 0u) << balloon;
    EXPECT_NE(balloon.find(L"\n3 of 4 downloads failed"), std::wstring::npos) << balloon;

    const std::vector<std::wstring> lines = SplitLog();
    ASSERT_EQ(lines.size(), 4u);
    const std::vector<std::vector<std::wstring>> expected = {
        {server_.Url("/ok.txt"), L"OK, HTTP 200", L"5 bytes"},
        {server_.Url("/gone.txt"), L"failed, HTTP 404"},
        {server_.UnreachableUrl("/far.txt")},
        {L"   ", L"skipped: no usable file name", L"0 bytes"},
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        for (const std::wstring& field : expected[i])
            EXPECT_NE(lines[i].find(L"\t" + field + L"\t"), std::wstring::npos) << "line " << i << " lacks a field";
    }
    // The unreachable entry says why in the system's words, not just "failed".
    EXPECT_GT(lines[2].size(), lines[3].size());

    // A run where everything arrives keeps the balloon as it was.
    SetWindowTextW(form_->Control(idTxtURLs), server_.Url("/ok.txt").c_str());
    Click(*form_, idCmdAction);
    Click(*form_, idCmdClear);
    Click(*form_, idCmdAdd);
    Click(*form_, idCmdAction);
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(FieldText(form_->Tray().Record().szInfo).find(L"\n"), std::wstring::npos);
    EXPECT_EQ(SplitLog().size(), 5u);
}

TEST_F(RunTest, TheLogKeepsItsLastThousandLines) {
    const std::wstring log = RunLogPath(env_.folder().path());
    for (int i = 0; i < 1005; ++i)
        ASSERT_TRUE(AppendToRunLog(log, {{2026, 1, 1, 0, 0, 0}, L"old " + std::to_wstring(i), L"OK", 0, 0}));
    server_.Serve("/a.txt", TestAnswer::Body("a"));
    Queue({server_.Url("/a.txt")});
    StartAndRun();
    const std::vector<std::wstring> lines = SplitLog();
    ASSERT_EQ(lines.size(), kRunLogLines);
    EXPECT_NE(lines.front().find(L"\told 6\t"), std::wstring::npos) << std::string(lines.front().begin(), lines.front().end());
    EXPECT_NE(lines.back().find(server_.Url("/a.txt")), std::wstring::npos);
}

}  // namespace
