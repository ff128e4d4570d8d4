#include <gtest/gtest.h>

#include <optional>

#include "app/app_test_support_win.h"
#include "app/main_window_win.h"
#include "app/shell_win.h"
#include "controls/buttons/testing/test_input_win.h"
#include "controls/systray/tray_record.h"
#include "platform/test_sequence.h"
#include "retrieval/download_state.h"
#include "retrieval/list_file_win.h"
#include "retrieval/run_log_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

class QueueMenuTest : public ForegroundMainWindow {
protected:
    void SetUp() override {
        ForegroundMainWindow::SetUp();
        SetWindowTextW(form_->Control(idTxtPath), downloads_.path().c_str());
    }
    // As after the program was closed and started again.
    void Restart() {
        form_ = std::make_unique<frmMain>(env_.environment());
        ASSERT_TRUE(form_->Show());
        BringToFront(*form_);
        SetWindowTextW(form_->Control(idTxtPath), downloads_.path().c_str());
    }
    HWND List() const { return form_->Control(idLstDownload); }
    // A right click on the entry, as a user opens its menu.
    Log UseMenu(size_t position, const wchar_t* choose = nullptr) {
        MenuReader reader(choose);
        RECT item{};
        SendMessageW(List(), LB_GETITEMRECT, position, reinterpret_cast<LPARAM>(&item));
        POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(List(), &middle);
        MoveTo(middle);
        MouseButton(2, true);
        MouseButton(2, false);
        EXPECT_TRUE(PumpUntil([&] { return reader.Done(); }, kInputDeadlineMs));
        Settle();
        return reader.items();
    }
    EntryStatus Status(size_t position) const { return form_->QueueItems().StatusAt(position); }
    std::wstring TrayTip() const { return FieldText(form_->Tray().Record().szTip); }

    TempFolder downloads_;
    TestHttpServer server_;
};

TEST_F(QueueMenuTest, RemoveTakesOutOneEntryAndLeavesTheListFileAsTheLastAddWroteIt) {
    AddToQueue(*form_, {L"http://h/a.txt", L"http://h/b.txt", L"http://h/c.txt"});
    const std::string listFile = FileBytes(ListFilePath(env_.folder().path()));

    EXPECT_TRUE(SameSequence(
        UseMenu(1, L"Remove from queue"),
        {L"Open file (disabled)", L"Open containing folder", L"Copy address", L"Remove from queue", L"Download now"}));
    EXPECT_TRUE(SameSequence(Queue(*form_), {L"http://h/a.txt", L"http://h/c.txt"}));
    EXPECT_EQ(Panel(*form_, 2), L"2 file(s) queued for download");
    EXPECT_EQ(ProgressMaximum(*form_), 2);
    EXPECT_EQ(FileBytes(ListFilePath(env_.folder().path())), listFile);

    // Armed, the queue stays as it is, as with Add and Clear; one entry can still be fetched.
    Click(*form_, idCmdAction);
    EXPECT_TRUE(SameSequence(UseMenu(0), {L"Open file (disabled)", L"Open containing folder", L"Copy address",
                                          L"Remove from queue (disabled)", L"Download now"}));
}

TEST_F(QueueMenuTest, CopyAddressPutsTheEntryOnTheClipboardExactlyAsQueued) {
    AddToQueue(*form_, {L"http://h/a.txt", L"  http://h/b c.txt "});
    UseMenu(1, L"Copy address");
    EXPECT_EQ(TextOnClipboard(form_->hwnd()), L"  http://h/b c.txt ");

    // Shift+F10 opens the menu of the selected entry.
    SendMessageW(List(), LB_SETCURSEL, 0, 0);
    SetFocus(List());
    MenuReader reader(L"Copy address");
    Chord(VK_SHIFT, VK_F10);
    EXPECT_TRUE(PumpUntil([&] { return reader.Done(); }, kInputDeadlineMs));
    Settle();
    EXPECT_EQ(TextOnClipboard(form_->hwnd()), L"http://h/a.txt");
}

TEST_F(QueueMenuTest, DownloadNowFetchesJustThatEntryAndItsResultShows) {
    server_.Serve("/ok.txt", TestAnswer::Body("12345"));
    server_.Serve("/gone.txt", TestAnswer::Status(404));
    AddToQueue(*form_, {server_.Url("/ok.txt"), server_.Url("/gone.txt")});

    UseMenu(1, L"Download now");
    EXPECT_EQ(server_.Requests("/gone.txt"), 1);
    EXPECT_EQ(server_.Requests("/ok.txt"), 0);
    EXPECT_EQ(Status(1).result, EntryResult::Failed);
    EXPECT_EQ(Status(1).words, L"failed, HTTP 404");
    EXPECT_EQ(Status(0).result, EntryResult::NotFetched);
    EXPECT_EQ(Panel(*form_, 2), L"2 file(s) queued for download");
    EXPECT_NE(ReadRunLog(RunLogPath(env_.folder().path())).find(L"gone.txt\tfailed, HTTP 404"), std::wstring::npos);
    UseMenu(1, L"Download now");
    EXPECT_EQ(Status(1).failedRuns, 2u);

    UseMenu(0, L"Download now");
    EXPECT_EQ(FileBytes(downloads_ / L"ok.txt"), "12345");
    EXPECT_EQ(Status(0).result, EntryResult::Downloaded);
    EXPECT_TRUE(SameSequence(UseMenu(0, L"Open file"), {L"Open file", L"Open containing folder", L"Copy address",
                                                        L"Remove from queue", L"Download now"}));
    UseMenu(1, L"Open containing folder");
    EXPECT_TRUE(SameSequence(env_.opened(), {downloads_ / L"ok.txt", downloads_.path()}));
}

// The first thing after a start: the other entries' records stay in the
// state file, which the one entry's download writes again.
TEST_F(QueueMenuTest, DownloadNowAfterAStartKeepsWhatIsRememberedOfTheOtherEntries) {
    server_.Serve("/a.txt", TestAnswer::Body("a1"));
    server_.Serve("/b.txt", TestAnswer::Body("b1"));
    AddToQueue(*form_, {server_.Url("/a.txt"), server_.Url("/b.txt")});
    Click(*form_, idCmdAction);
    form_->tmrAutoUpdater_Timer();
    Click(*form_, idCmdAction);

    Restart();
    server_.Serve("/a.txt", TestAnswer::Body("a2"));
    UseMenu(0, L"Download now");
    EXPECT_EQ(FileBytes(downloads_ / L"a.txt"), "a2");
    const std::optional<StateFile> state = ParseStateFile(FileBytes(env_.folder() / kStateFileName));
    ASSERT_TRUE(state);
    EXPECT_EQ(state->downloads.size(), 2u);
    EXPECT_TRUE(state->downloads.contains(server_.Url("/b.txt")));
}

TEST_F(QueueMenuTest, AfterARestartEachEntryShowsItsLastResultAndAStreakGoesOnCounting) {
    server_.Serve("/ok.txt", TestAnswer::Body("12345"));
    server_.Serve("/gone.txt", TestAnswer::Status(404));
    AddToQueue(*form_, {server_.Url("/ok.txt"), server_.Url("/gone.txt"), L"http://h/never.txt"});
    UseMenu(0, L"Download now");
    UseMenu(1, L"Download now");
    const EntryStatus downloaded = Status(0);
    const EntryStatus failed = Status(1);

    Restart();
    EXPECT_EQ(Status(0).result, EntryResult::Downloaded);
    EXPECT_EQ(Status(0).words, downloaded.words);
    EXPECT_EQ(Status(0).bytes, 5u);
    EXPECT_EQ(Status(0).targetPath, downloaded.targetPath);
    EXPECT_EQ(Status(1).result, EntryResult::Failed);
    EXPECT_EQ(Status(1).words, L"failed, HTTP 404");
    EXPECT_EQ(Status(1).time, failed.time);
    EXPECT_EQ(Status(1).failedRuns, 1u);
    EXPECT_EQ(Status(2).result, EntryResult::NotFetched);
    NotifyTray(*form_, WM_MOUSEMOVE);
    EXPECT_TRUE(TrayTip().ends_with(L" (1 failing)")) << TrayTip();

    UseMenu(1, L"Download now");
    EXPECT_EQ(Status(1).failedRuns, 2u);
}

TEST_F(QueueMenuTest, AStateFileThatCannotBeReadIsSetAsideAtTheStartAndNothingIsRemembered) {
    AddToQueue(*form_, {L"http://h/a.txt"});
    ASSERT_TRUE(ReplaceFileContent(env_.folder() / kStateFileName, std::string("{\"version\": 1, \"addr")));
    Restart();
    EXPECT_EQ(Status(0).result, EntryResult::NotFetched);
    EXPECT_FALSE(PathExists(env_.folder() / kStateFileName));
    EXPECT_EQ(FileBytes(env_.folder() / kBadStateFileName), "{\"version\": 1, \"addr");
}

TEST_F(QueueMenuTest, NeitherDownloadNowNorRemoveWhileAnEntryIsDownloading) {
    server_.Serve("/slow.txt", TestAnswer::Held("slow body", 2));
    AddToQueue(*form_, {server_.Url("/slow.txt")});
    SendMessageW(List(), LB_SETCURSEL, 0, 0);
    // The menu key's message, while the download waits.
    std::optional<MenuReader> reader;
    WhilePumping whileHeld([&] {
        if (!server_.Holding("/slow.txt")) return;
        if (!reader) {
            reader.emplace();
            PostMessageW(List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()), -1);
        }
        if (reader->Done()) server_.Release("/slow.txt");
    });
    UseMenu(0, L"Download now");
    ASSERT_TRUE(reader);
    EXPECT_TRUE(SameSequence(reader->items(), {L"Open file (disabled)", L"Open containing folder", L"Copy address",
                                               L"Remove from queue (disabled)", L"Download now (disabled)"}));
    EXPECT_EQ(FileBytes(downloads_ / L"slow.txt"), "slow body");
    EXPECT_EQ(server_.Requests("/slow.txt"), 1);
}

TEST_F(QueueMenuTest, RunsCountTheStreakAndTheTrayTipTheFailingEntries) {
    server_.Serve("/ok.txt", TestAnswer::Body("12345"));
    server_.Serve("/gone.txt", TestAnswer::Status(404));
    AddToQueue(*form_, {server_.Url("/ok.txt"), server_.Url("/gone.txt")});
    Click(*form_, idCmdAction);
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(TrayTip(), L"Durnwick - Downloading in 1 min(s). (1 failing)");
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(Status(1).failedRuns, 2u);
    // The same bytes again: the file is left as it was.
    EXPECT_EQ(Status(0).result, EntryResult::Unchanged);

    server_.Serve("/gone.txt", TestAnswer::Body("back"));
    form_->tmrAutoUpdater_Timer();
    EXPECT_EQ(Status(1).result, EntryResult::Downloaded);
    EXPECT_EQ(Status(1).failedRuns, 0u);
    EXPECT_EQ(TrayTip(), L"Durnwick - Downloading in 1 min(s).");
}

}  // namespace
