#include <gtest/gtest.h>

#include <memory>

#include "app/app_test_support_win.h"
#include "app/main_window_win.h"
#include "controls/systray/tray_record.h"
#include "retrieval/run_log_win.h"
#include "platform/handles_win.h"
#include "platform/message_loop_win.h"
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
    size_t FilesInDownloads() const {
        size_t count = 0;
        WIN32_FIND_DATAW found;
        FindHandle search(FindFirstFileW((downloads_ / L"*").c_str(), &found));
        if (!search) return 0;
        do {
            if (found.cFileName[0] != L'.') ++count;
        } while (FindNextFileW(search.get(), &found));
        return count;
    }

    TestEnvironment env_;
    TempFolder downloads_;
    TestHttpServer server_;
    std::unique_ptr<frmMain> form_;
};

TEST_F(RunTest, ThreeEntriesArriveUnderTheirNamesWithProgressAndRearm) {
    server_.Serve("/files/report.pdf", TestAnswer::Held("report body", 3));
    server_.Serve("/news/", TestAnswer::Held("<html>news</html>", 3));
    server_.Serve("/get.php?id=7", TestAnswer::Held("id 7", 1));
    Queue({server_.Url("/files/report.pdf"), server_.Url("/news/"), server_.Url("/get.php?id=7")});

    std::vector<Seen> seen;
    DuringRun watch([&] {
        for (const char* path : {"/files/report.pdf", "/news/", "/get.php?id=7"}) {
            if (server_.Holding(path)) {
                seen.push_back({Panel(*form_, 2), Progress(*form_)});
                server_.Release(path);
            }
        }
    });
    StartAndRun();

    EXPECT_EQ(seen, (std::vector<Seen>{{L"Downloading file 1 of 3", 0},
                                       {L"Downloading file 2 of 3", 1},
                                       {L"Downloading file 3 of 3", 2}}));
    EXPECT_EQ(Downloaded(L"report.pdf"), "report body");
    EXPECT_EQ(Downloaded(L"news.html"), "<html>news</html>");
    EXPECT_EQ(Downloaded(L"get.phpid=7"), "id 7");
    EXPECT_EQ(FilesInDownloads(), 3u);
    EXPECT_EQ(Progress(*form_), 3);
    EXPECT_EQ(Panel(*form_, 1), L"Downloading in 1 min(s).");
    EXPECT_EQ(Panel(*form_, 2), L"3 file(s) queued for download");
    EXPECT_TRUE(form_->ScheduleTimerEnabled());
    EXPECT_FALSE(form_->RunActive());
}

TEST_F(RunTest, EachRunStartsItsProgressAtZeroAndTheFullBarStaysBetweenRuns) {
    const auto serve = [&] {
        server_.Serve("/a.txt", TestAnswer::Held("a body", 1));
        server_.Serve("/b.txt", TestAnswer::Held("b body", 1));
    };
    serve();
    Queue({server_.Url("/a.txt"), server_.Url("/b.txt")});
    std::vector<int> seen;
    DuringRun watch([&] {
        for (const char* path : {"/a.txt", "/b.txt"}) {
            if (server_.Holding(path)) {
                seen.push_back(Progress(*form_));
                server_.Release(path);
            }
        }
    });
    StartAndRun();
    EXPECT_EQ(Progress(*form_), 2);
    serve();
    // The interval is one minute: the next tick runs again.
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(Progress(*form_), 2);
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

TEST_F(RunTest, FailedDownloadsAreSilentAndLeaveExistingFilesAlone) {
    server_.Serve("/cut.txt", TestAnswer::CutShort(std::string(10000, 'x'), 100));
    server_.Serve("/ok.txt", TestAnswer::Body("fine"));
    ASSERT_TRUE(ReplaceFileContent(downloads_ / L"cut.txt", "kept"));
    Queue({server_.Url("/missing.txt"), server_.Url("/cut.txt"), server_.UnreachableUrl("/far.txt"),
           server_.Url("/ok.txt")});

    DialogWatcher dialogs;
    StartAndRun();

    EXPECT_TRUE(dialogs.closed().empty());
    EXPECT_EQ(Downloaded(L"missing.txt"), "<missing>");
    EXPECT_EQ(Downloaded(L"cut.txt"), "kept");
    EXPECT_EQ(Downloaded(L"far.txt"), "<missing>");
    EXPECT_EQ(Downloaded(L"ok.txt"), "fine");
    EXPECT_EQ(FilesInDownloads(), 2u);
    EXPECT_EQ(Progress(*form_), 4);
    EXPECT_EQ(Panel(*form_, 2), L"4 file(s) queued for download");
}

TEST_F(RunTest, AnAddressQueuedTwiceIsFetchedTwice) {
    server_.Serve("/twice.txt", TestAnswer::Body("again"));
    Queue({server_.Url("/twice.txt"), server_.Url("/twice.txt")});
    StartAndRun();
    EXPECT_EQ(server_.Requests("/twice.txt"), 2);
    EXPECT_EQ(Downloaded(L"twice.txt"), "again");
}

TEST_F(RunTest, CustomNamesAreNumberedAndNamelessEntriesAreSkipped) {
    server_.Serve("/a", TestAnswer::Body("A"));
    server_.Serve("/b", TestAnswer::Body("B"));
    server_.Serve("/c", TestAnswer::Body("C"));
    Click(*form_, idOptCustom);
    SetWindowTextW(form_->Control(idTxtCustomName), L"data.csv");
    Queue({server_.Url("/a"), server_.Url("/b"), server_.Url("/c")});
    StartAndRun();
    EXPECT_EQ(Downloaded(L"data.csv"), "A");
    EXPECT_EQ(Downloaded(L"1_data.csv"), "B");
    EXPECT_EQ(Downloaded(L"2_data.csv"), "C");

    // A custom name emptied after START leaves the entries without a name.
    SetWindowTextW(form_->Control(idTxtCustomName), L"");
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(server_.Requests("/a"), 1);
    EXPECT_EQ(FilesInDownloads(), 3u);
    EXPECT_EQ(Progress(*form_), 3);
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

TEST_F(RunTest, EveryFaultFailsOnlyItsOwnEntryAndTheRunGoesOn) {
    TestAnswer notModified = TestAnswer::Body("");
    notModified.status = 304;
    TestAnswer chunkedCut = TestAnswer::Chunked(std::string(1000, 'c'));
    chunkedCut.pieceBytes = 100;
    chunkedCut.cutAfter = 500;
    TestAnswer longLengthCut = TestAnswer::CutShort(std::string(100, 'l'), 50);
    longLengthCut.contentLength = std::string(60, '0') + "100";
    const std::pair<const char*, TestAnswer> faults[] = {
        {"/silent.txt", TestAnswer::Silent()},
        {"/stalled-head.txt", TestAnswer::HeadStalls(20)},
        {"/trickling-head.txt", TestAnswer::HeadTrickles(40)},
        {"/stalled-body.txt", TestAnswer::BodyStalls(std::string(10'000, 'b'), 100)},
        {"/trickle.txt", TestAnswer::Slowly(std::string(100'000, 't'), 1, 30)},
        {"/loop.txt", TestAnswer::Redirect(302, "/loop.txt")},
        {"/to-file.txt", TestAnswer::Redirect(302, "file:///C:/windows/win.ini")},
        {"/not-modified.txt", notModified},
        {"/chunked-cut.txt", chunkedCut},
        {"/long-length-cut.txt", longLengthCut},
    };
    std::vector<std::wstring> entries;
    for (const auto& [path, answer] : faults) {
        server_.Serve(path, answer);
        entries.push_back(server_.Url(path));
        const std::wstring name(path + 1, path + strlen(path));
        ASSERT_TRUE(ReplaceFileContent(downloads_ / name, "good file"));
    }
    server_.Serve("/last.txt", TestAnswer::Body("arrived"));
    entries.push_back(server_.Url("/last.txt"));
    Queue(entries);

    StartAndRun();

    for (const auto& [path, answer] : faults) {
        const std::wstring name(path + 1, path + strlen(path));
        EXPECT_EQ(Downloaded(name), "good file") << path;
    }
    EXPECT_EQ(Downloaded(L"last.txt"), "arrived");
    EXPECT_EQ(FilesInDownloads(), std::size(faults) + 1);
    EXPECT_EQ(Progress(*form_), static_cast<int>(entries.size()));
    EXPECT_TRUE(form_->ScheduleTimerEnabled());
}

TEST_F(RunTest, StopThenStartDuringAStalledTransferLeavesAScheduleThatRunsAgain) {
    server_.Serve("/stalled.txt", TestAnswer::BodyStalls(std::string(10'000, 's'), 100));
    server_.Serve("/next.txt", TestAnswer::Body("next"));
    Queue({server_.Url("/stalled.txt"), server_.Url("/next.txt")});

    bool clicked = false;
    DuringRun watch([&] {
        if (!clicked && server_.Holding("/stalled.txt")) {
            clicked = true;
            Click(*form_, idCmdAction);
            Click(*form_, idCmdAction);
        }
    });
    StartAndRun();

    ASSERT_TRUE(clicked);
    EXPECT_FALSE(form_->RunActive());
    EXPECT_TRUE(form_->ScheduleTimerEnabled());
    EXPECT_EQ(TextOf(form_->Control(idCmdAction)), L"&STOP");
    EXPECT_EQ(Downloaded(L"next.txt"), "next");
    // The next tick of the re-armed schedule starts the next run.
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(server_.Requests("/next.txt"), 2);
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

TEST_F(RunTest, PathLikeCustomNamesAreRefusedAtStartAndSkippedInARun) {
    server_.Serve("/a", TestAnswer::Body("A"));
    Queue({server_.Url("/a")});
    Click(*form_, idOptCustom);
    ASSERT_TRUE(ReplaceFileContent(downloads_ / L"keep.txt", "kept"));
    DialogWatcher dialogs;
    for (const wchar_t* name : {L"..\\escape.txt", L"x\\..\\..\\keep.txt", L"sub/a.txt", L"C:a.txt", L"..", L"."}) {
        SetWindowTextW(form_->Control(idTxtCustomName), name);
        Click(*form_, idCmdAction);
        EXPECT_EQ(TextOf(form_->Control(idCmdAction)), L"&START") << std::wstring(name).c_str();
    }
    ASSERT_EQ(dialogs.closed().size(), 6u);
    for (const ClosedDialog& dialog : dialogs.closed()) {
        EXPECT_EQ(dialog.title, L"Durnwick");
        EXPECT_NE(dialog.text.find(L"custom file name"), std::wstring::npos);
    }

    // A name that became a path after START is skipped like a nameless entry.
    SetWindowTextW(form_->Control(idTxtCustomName), L"data.csv");
    StartAndRun();
    EXPECT_EQ(Downloaded(L"data.csv"), "A");
    SetWindowTextW(form_->Control(idTxtCustomName), L"..\\keep.txt");
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(server_.Requests("/a"), 1);
    EXPECT_EQ(Downloaded(L"keep.txt"), "kept");
    EXPECT_EQ(FilesInDownloads(), 2u);
    EXPECT_EQ(dialogs.closed().size(), 6u);
}

}  // namespace
