#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "app/app_test_support_win.h"
#include "app/main_window_win.h"
#include "app/settings_rules.h"
#include "controls/buttons/testing/test_input_win.h"
#include "controls/systray/tray_record.h"
#include "platform/test_files_win.h"
#include "platform/test_sequence.h"
#include "retrieval/test_http_server_win.h"

namespace {

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<frmMain>(env_.environment());
        EXPECT_TRUE(form_->Show());
        SetWindowTextW(form_->Control(idTxtPath), downloads_.path().c_str());
    }
    void Queue(const std::vector<std::wstring>& entries) { AddToQueue(*form_, entries); }
    void StartAndRun() {
        Click(*form_, idCmdAction);
        ASSERT_EQ(WindowText(form_->Control(idCmdAction)), L"&STOP");
        form_->tmrAutoUpdater_Timer();
    }
    std::string Downloaded(const std::wstring& name) const { return FileBytes(downloads_ / name); }
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

    // What panel 2 and the progress bar show while each entry downloads.
    Log seen;
    WhilePumping watch([&] {
        for (const char* path : paths) {
            if (server_.Holding(path)) {
                seen.push_back(Panel(*form_, 2) + L", progress " + std::to_wstring(Progress(*form_)));
                server_.Release(path);
            }
        }
    });
    StartAndRun();
    const Log oneRun = {L"Downloading file 1 of 3, progress 0", L"Downloading file 2 of 3, progress 1",
                        L"Downloading file 3 of 3, progress 2"};
    EXPECT_TRUE(SameSequence(seen, oneRun));
    EXPECT_EQ(Downloaded(L"report.pdf"), "report body");
    EXPECT_EQ(Downloaded(L"news.html"), "<html>news</html>");
    EXPECT_EQ(Downloaded(L"get.phpid=7"), "id 7");
    EXPECT_EQ(Listing(), "get.phpid=7 news.html report.pdf ");
    EXPECT_EQ(Progress(*form_), 3);
    EXPECT_EQ(Panel(*form_, 2), L"3 file(s) queued for download");
    EXPECT_FALSE(form_->Runs().Running());

    // The interval is one minute: the next tick runs again, from 0; the full
    // bar stays between runs.
    serve();
    seen.clear();
    form_->tmrAutoUpdater_Timer();
    EXPECT_TRUE(SameSequence(seen, oneRun));
    EXPECT_EQ(Progress(*form_), 3);
}

TEST_F(RunTest, StopDuringTheSecondEntryLetsItFinishAndSkipsTheRest) {
    server_.Serve("/1.txt", TestAnswer::Body("one"));
    server_.Serve("/2.txt", TestAnswer::Held("two", 1));
    server_.Serve("/3.txt", TestAnswer::Body("three"));
    Queue({server_.Url("/1.txt"), server_.Url("/2.txt"), server_.Url("/3.txt")});

    WhilePumping watch([&] {
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
    EXPECT_FALSE(form_->Runs().TimerEnabled());
}

// What the run's faults are is the controller's tests' business; here the
// balloon counts them, says no count when all arrived, and none shows with
// messages off.
TEST_F(RunTest, TheBalloonCountsTheFailuresAndShowsOnlyWithMessagesOn) {
    Queue(ServeFaults(server_, downloads_));
    DialogWatcher dialogs;
    StartAndRun();

    EXPECT_TRUE(dialogs.closed().empty());
    EXPECT_EQ(Progress(*form_), 7);
    const std::wstring balloon = FieldText(form_->Tray().Record().szInfo);
    EXPECT_EQ(balloon.rfind(L"Download complete in: ", 0), 0u) << balloon;
    // The address queued twice came the second time as the copy it had left.
    EXPECT_NE(balloon.find(L"\n5 of 7 downloads failed\n1 unchanged"), std::wstring::npos) << balloon;

    // A run where everything arrives says no failure count, and none shows with messages off.
    SetWindowTextW(form_->Control(idTxtURLs), server_.Url("/ok.txt").c_str());
    Click(*form_, idCmdAction);
    Click(*form_, idCmdClear);
    Click(*form_, idCmdAdd);
    Click(*form_, idCmdAction);
    form_->tmrAutoUpdater_Timer();
    const std::wstring unchanged = FieldText(form_->Tray().Record().szInfo);
    EXPECT_EQ(unchanged.substr(unchanged.find(L"\n")), L"\n1 unchanged") << unchanged;
    form_->Tray().HidePopUp();
    Click(*form_, idChkShowMessages);
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(FieldText(form_->Tray().Record().szInfo), L"");
    EXPECT_EQ(server_.Requests("/ok.txt"), 4);
}

// The option as the window loads it reaches the run.
TEST_F(RunTest, WithSkipUnchangedFilesTheDateAndTimeConventionStoresNoSecondCopy) {
    env_.StoreSetting(kOptionsSection, L"SkipUnchanged", L"1");
    form_ = std::make_unique<frmMain>(env_.environment());
    ASSERT_TRUE(form_->Show());
    SetWindowTextW(form_->Control(idTxtPath), downloads_.path().c_str());
    Click(*form_, idOptOriginalDateTime);
    server_.Serve("/report.pdf", TestAnswer::Validated("report body", "\"v1\"", "Mon, 07 Dec 2026 01:23:45 GMT"));
    Queue({server_.Url("/report.pdf")});
    StartAndRun();
    const std::string first = Listing();
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(server_.Received().back().Header("If-None-Match"), "\"v1\"");
    EXPECT_EQ(Listing(), first);
    EXPECT_NE(FieldText(form_->Tray().Record().szInfo).find(L"\n1 unchanged"), std::wstring::npos);
}

// The tray's "Download now", chosen with the mouse as a user would.
class TrayMenuTest : public ForegroundMainWindow {
protected:
    void SetUp() override {
        ForegroundMainWindow::SetUp();
        SetWindowTextW(form_->Control(idTxtPath), downloads_.path().c_str());
    }
    void DownloadNowFromTheTray() {
        const size_t requestsBefore = server_.Received().size();
        MenuReader reader(L"Download &now");
        NotifyTray(*form_, WM_RBUTTONUP);
        EXPECT_TRUE(
            PumpUntil([&] { return reader.Done() && server_.Received().size() > requestsBefore; }, kInputDeadlineMs));
        EXPECT_TRUE(PumpUntil([&] { return !form_->Runs().Running(); }, kInputDeadlineMs));
    }

    TempFolder downloads_;
    TestHttpServer server_;
};

TEST_F(TrayMenuTest, DownloadNowRunsTheQueueAtOnceAndTheCountdownStartsAgainAfterIt) {
    server_.Serve("/a.txt", TestAnswer::Body("first"));
    AddToQueue(*form_, {server_.Url("/a.txt")});
    SetWindowTextW(form_->Control(idTxtAutoD), L"5");
    Click(*form_, idCmdAction);
    form_->tmrAutoUpdater_Timer();
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(Panel(*form_, 1), L"Downloading in 3 min(s).");

    DownloadNowFromTheTray();
    EXPECT_EQ(FileBytes(downloads_ / L"a.txt"), "first");
    EXPECT_EQ(Panel(*form_, 1), L"Downloading in 5 min(s).");
    EXPECT_TRUE(form_->Runs().Armed());
    EXPECT_TRUE(form_->Runs().TimerEnabled());
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(Panel(*form_, 1), L"Downloading in 4 min(s).");
    EXPECT_EQ(server_.Requests("/a.txt"), 1);
}

// While idle it runs once and leaves the schedule off; during the run the
// item is greyed, so the queue is never fetched twice at once.
TEST_F(TrayMenuTest, DownloadNowWhileIdleRunsOnceAndIsGreyedDuringTheRun) {
    server_.Serve("/slow.txt", TestAnswer::Held("slow body", 1));
    AddToQueue(*form_, {server_.Url("/slow.txt")});
    std::optional<MenuReader> during;
    WhilePumping whileHeld([&] {
        if (!server_.Holding("/slow.txt")) return;
        if (!during) {
            during.emplace();
            PostMessageW(form_->Tray().hwnd(), kTrayCallbackMessage, 0, WM_RBUTTONUP);
        }
        if (during->Done()) server_.Release("/slow.txt");
    });
    DownloadNowFromTheTray();

    ASSERT_TRUE(during);
    EXPECT_EQ(during->items().front(), L"Download &now (disabled)");
    EXPECT_EQ(FileBytes(downloads_ / L"slow.txt"), "slow body");
    EXPECT_EQ(server_.Requests("/slow.txt"), 1);
    EXPECT_EQ(Panel(*form_, 1), L"idle");
    EXPECT_EQ(WindowText(form_->Control(idCmdAction)), L"&START");
    EXPECT_FALSE(form_->Runs().TimerEnabled());
}

}  // namespace
