#include <gtest/gtest.h>

#include <memory>

#include "app/app_test_support_win.h"
#include "app/main_window_win.h"
#include "controls/systray/tray_record.h"
#include "platform/test_files_win.h"
#include "retrieval/run_log_win.h"
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
        ASSERT_EQ(WindowText(form_->Control(idCmdAction)), L"&STOP");
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
    EXPECT_EQ(Panel(*form_, 2), L"3 file(s) queued for download");
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
    EXPECT_EQ(Panel(*form_, 1), L"idle");
    EXPECT_EQ(FieldText(form_->Tray().Record().szInfo), L"") << "a stopped run shows no balloon";
    EXPECT_EQ(Progress(*form_), 0);
    EXPECT_FALSE(form_->ScheduleTimerEnabled());
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
    EXPECT_TRUE(form_->ScheduleTimerEnabled());
    EXPECT_EQ(Progress(*form_), 2);
}

// The custom name reaches the run; the names themselves are pinned by the naming tests.
TEST_F(RunTest, CustomNamesAreNumberedAndANameEmptiedAfterStartNamesNothing) {
    server_.Serve("/a", TestAnswer::Body("A"));
    server_.Serve("/b", TestAnswer::Body("B"));
    Click(*form_, idOptCustom);
    SetWindowTextW(form_->Control(idTxtCustomName), L"data.csv");
    Queue({server_.Url("/a"), server_.Url("/b")});
    StartAndRun();
    EXPECT_EQ(Downloaded(L"data.csv"), "A");
    EXPECT_EQ(Downloaded(L"1_data.csv"), "B");
    // A name emptied after START leaves the entries without one.
    SetWindowTextW(form_->Control(idTxtCustomName), L"");
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(server_.Requests("/a"), 1);
    EXPECT_EQ(Progress(*form_), 2);
}

// Each fault's own verdict is pinned by the downloader's tests; here a run
// meets a few of them silently, goes on, keeps the files that were there,
// says how many failed and logs why. The log keeps its last lines.
TEST_F(RunTest, FaultsFailOnlyTheirOwnEntriesAndTheBalloonCountsThem) {
    for (int i = 0; i < 1005; ++i)
        ASSERT_TRUE(AppendToRunLog(RunLogPath(env_.folder().path()),
                                   {{2026, 1, 1, 0, 0, 0}, L"old " + std::to_wstring(i), L"OK", 0, 0}));
    server_.Serve("/ok.txt", TestAnswer::Body("12345"));
    server_.Serve("/gone.txt", TestAnswer::Status(404));
    server_.Serve("/silent.txt", TestAnswer::Silent());
    server_.Serve("/cut.txt", TestAnswer::CutShort(std::string(10000, 'x'), 100));
    for (const wchar_t* kept : {L"gone.txt", L"silent.txt", L"cut.txt"})
        ASSERT_TRUE(ReplaceFileContent(downloads_ / kept, "good file"));
    // An address queued twice is fetched twice.
    Queue({server_.Url("/ok.txt"), server_.Url("/gone.txt"), server_.UnreachableUrl("/far.txt"), L"   ",
           server_.Url("/silent.txt"), server_.Url("/cut.txt"), server_.Url("/ok.txt")});
    DialogWatcher dialogs;
    StartAndRun();

    EXPECT_TRUE(dialogs.closed().empty());
    EXPECT_EQ(Listing(), "cut.txt gone.txt ok.txt silent.txt ");
    for (const wchar_t* kept : {L"gone.txt", L"silent.txt", L"cut.txt"}) EXPECT_EQ(Downloaded(kept), "good file");
    EXPECT_EQ(server_.Requests("/ok.txt"), 2);
    EXPECT_EQ(Progress(*form_), 7);
    const std::wstring balloon = FieldText(form_->Tray().Record().szInfo);
    EXPECT_EQ(balloon.rfind(L"Download complete in: ", 0), 0u) << balloon;
    EXPECT_NE(balloon.find(L"\n5 of 7 downloads failed"), std::wstring::npos) << balloon;

    const std::vector<std::wstring> lines = SplitLog();
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

    // A run where everything arrives says no count, and none shows with messages off.
    SetWindowTextW(form_->Control(idTxtURLs), server_.Url("/ok.txt").c_str());
    Click(*form_, idCmdAction);
    Click(*form_, idCmdClear);
    Click(*form_, idCmdAdd);
    Click(*form_, idCmdAction);
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(FieldText(form_->Tray().Record().szInfo).find(L"\n"), std::wstring::npos);
    form_->Tray().HidePopUp();
    Click(*form_, idChkShowMessages);
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(FieldText(form_->Tray().Record().szInfo), L"");
    EXPECT_EQ(server_.Requests("/ok.txt"), 4);
}

// Each failure is logged in words a user can act on, and a password in an
// address never reaches the log.
TEST_F(RunTest, TheLogSaysWhyInWordsAndShowsNoPassword) {
    server_.Serve("/private.txt", TestAnswer::BasicAuth("user:secret", "private"));
    server_.Serve("/kept.txt", TestAnswer::Body("new"));
    server_.Serve("/empty.txt", TestAnswer::Body(""));
    server_.Serve("/silent.txt", TestAnswer::Silent());
    ASSERT_TRUE(ReplaceFileContent(downloads_ / L"kept.txt", "keep me"));
    ASSERT_TRUE(SetFileAttributesW((downloads_ / L"kept.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(ReplaceFileContent(downloads_ / L"empty.txt", "good file"));
    const std::wstring credentialed = L"http://user:secret@" + server_.Url("/private.txt").substr(7);
    const std::wstring tooLong = server_.Url("/") + std::wstring(4000, L'x') + L".txt";
    Queue({credentialed, server_.Url("/kept.txt"), server_.Url("/empty.txt"), tooLong, server_.Url("/silent.txt")});
    StartAndRun();

    const std::vector<std::wstring> lines = SplitLog();
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
    EXPECT_EQ(ReadRunLog(RunLogPath(env_.folder().path())).find(L"secret"), std::wstring::npos);
    EXPECT_EQ(Downloaded(L"private.txt"), "private");
    EXPECT_EQ(Downloaded(L"kept.txt"), "keep me");
    EXPECT_EQ(Downloaded(L"empty.txt"), "good file");
    EXPECT_EQ(Listing(), "empty.txt kept.txt private.txt ");
    const std::wstring balloon = FieldText(form_->Tray().Record().szInfo);
    EXPECT_NE(balloon.find(L"\n4 of 5 downloads failed"), std::wstring::npos) << balloon;
}

}  // namespace
