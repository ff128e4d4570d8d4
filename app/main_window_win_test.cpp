#include "app/main_window_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

#include "app/app_test_support_win.h"
#include "app/settings_rules.h"
#include "platform/message_loop_win.h"
#include "retrieval/list_file_win.h"
#include "retrieval/queue_text.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    frmMain& Open() {
        form_ = std::make_unique<frmMain>(env_.environment());
        EXPECT_TRUE(form_->Show());
        return *form_;
    }
    frmMain& Restart() {
        form_.reset();
        return Open();
    }
    void Type(ControlId id, const std::wstring& text) { SetWindowTextW(form_->Control(id), text.c_str()); }
    std::wstring ListFile() const { return ListFilePath(env_.folder().path()); }

    TestEnvironment env_;
    std::unique_ptr<frmMain> form_;
};

using Entries = std::vector<std::wstring>;

TEST_F(MainWindowTest, StartsIdleAndWritesBackOnlyWhatDiffersFromTheDesign) {
    frmMain& form = Open();
    EXPECT_EQ(Panel(form, 1), L"Idle");
    EXPECT_EQ(Panel(form, 2), L"No files");
    EXPECT_FALSE(form.ScheduleTimerEnabled());
    EXPECT_EQ(env_.Setting(kOptionsSection, L"CustomName"), L"Downloaded file.txt");
    EXPECT_EQ(env_.Setting(kOptionsSection, L"ShowMessages"), L"1");
    EXPECT_FALSE(env_.HasSetting(kPathsSection, L"SaveTo"));
    EXPECT_FALSE(env_.HasSetting(kOptionsSection, L"SaveName"));
}

TEST_F(MainWindowTest, AddQueuesNonEmptyLinesAndWritesTheListFile) {
    frmMain& form = Open();
    // An empty box adds nothing; line breaks alone keep a valid maximum.
    Click(form, idCmdAdd);
    EXPECT_EQ(Panel(form, 2), L"No files");
    EXPECT_EQ(FileBytes(ListFile()), "<missing>");
    Type(idTxtURLs, L"\r\n\r\n");
    Click(form, idCmdAdd);
    EXPECT_EQ(Panel(form, 2), L"0 file(s) queued for download");
    EXPECT_EQ(ProgressMaximum(form), 1);

    Type(idTxtURLs, L"http://a/1\r\n\r\nhttp://b/2\r\n   \r\n");
    Click(form, idCmdAdd);
    EXPECT_EQ(Queue(form), (Entries{L"http://a/1", L"http://b/2", L"   "}));
    EXPECT_EQ(FileBytes(ListFile()), "http://a/1\r\nhttp://b/2\r\n   \r\n");
    EXPECT_EQ(Panel(form, 2), L"3 file(s) queued for download");
    EXPECT_EQ(ProgressMaximum(form), 3);
    EXPECT_EQ(TextOf(form.Control(idTxtURLs)), L"http://a/1\r\n\r\nhttp://b/2\r\n   \r\n");

    // A second Add queues everything again; the file keeps one copy.
    Click(form, idCmdAdd);
    EXPECT_EQ(Queue(form).size(), 6u);
    EXPECT_EQ(FileBytes(ListFile()), "http://a/1\r\nhttp://b/2\r\n   \r\n");
}

// Clear empties the queue but not the file, which fills it again at the next start.
TEST_F(MainWindowTest, ListFileFillsTheQueueAtStartWithoutBlankEntries) {
    ASSERT_TRUE(ReplaceFileContent(ListFile(), "  http://a/1\r\n\r\nhttp://b/2\r\n\r\n\r\n  "));
    frmMain& form = Open();
    EXPECT_EQ(Queue(form), (Entries{L"http://a/1", L"http://b/2"}));
    EXPECT_EQ(FileBytes(ListFile()), "http://a/1\r\nhttp://b/2\r\n");
    Click(form, idCmdClear);
    EXPECT_TRUE(Queue(form).empty());
    frmMain& again = Restart();
    EXPECT_EQ(Queue(again), (Entries{L"http://a/1", L"http://b/2"}));
    EXPECT_EQ(Panel(again, 2), L"2 file(s) queued for download");
    EXPECT_EQ(TextOf(again.Control(idTxtURLs)), L"http://a/1\r\nhttp://b/2\r\n");
}

TEST_F(MainWindowTest, ListFileThatCannotBeWrittenIsReportedAndTheQueueStillFills) {
    frmMain& form = Open();
    ASSERT_TRUE(ReplaceFileContent(ListFile(), "http://old/\r\n"));
    DialogWatcher dialogs;
    {
        KernelHandle lock(CreateFileW(ListFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        Type(idTxtURLs, L"http://new/");
        Click(form, idCmdAdd);
    }
    ASSERT_EQ(dialogs.closed().size(), 1u);
    EXPECT_EQ(dialogs.closed()[0].title, L"Durnwick");
    EXPECT_NE(dialogs.closed()[0].text.find(ListFile()), std::wstring::npos) << dialogs.closed()[0].text;
    EXPECT_EQ(Queue(form), (Entries{L"http://new/"}));
    EXPECT_EQ(FileBytes(ListFile()), "http://old/\r\n");
}

TEST_F(MainWindowTest, AddStopsAtTheQueueLimitAndSaysHowManyWereLeftOut) {
    frmMain& form = Open();
    std::wstring text;
    for (int i = 0; i < 32767 + 5; ++i) text += L"u" + std::to_wstring(i) + L"\r\n";
    Type(idTxtURLs, text);
    DialogWatcher dialogs;
    Click(form, idCmdAdd);
    EXPECT_EQ(Queue(form).size(), 32767u);
    ASSERT_EQ(dialogs.closed().size(), 1u);
    EXPECT_NE(dialogs.closed()[0].text.find(L"5 line(s)"), std::wstring::npos) << dialogs.closed()[0].text;
    EXPECT_EQ(ProgressMaximum(form), 32767);
}

TEST_F(MainWindowTest, PasteReplacesTheBoxWithTheClipboardText) {
    frmMain& form = Open();
    for (const std::wstring clip : {L"http://x/1\r\nhttp://x/2", L""}) {
        Type(idTxtURLs, L"typed before");
        SetClipboardText(form.hwnd(), clip);
        Click(form, idCmdPaste);
        EXPECT_EQ(TextOf(form.Control(idTxtURLs)), clip);
    }
    EXPECT_TRUE(Queue(form).empty());
}

TEST_F(MainWindowTest, StartRefusesWithTheRightMessageInOrder) {
    frmMain& form = Open();
    DialogWatcher dialogs;
    Click(form, idCmdAction);  // empty queue: ignored without a message
    EXPECT_TRUE(dialogs.closed().empty());

    Type(idTxtURLs, L"http://a/1");
    Click(form, idCmdAdd);
    SetWindowTextW(form.Control(idTxtPath), (env_.folder() / L"missing").c_str());
    Click(form, idOptCustom);
    Type(idTxtCustomName, L"");
    Click(form, idCmdAction);
    Type(idTxtCustomName, L"name.txt");
    Click(form, idCmdAction);
    ASSERT_EQ(dialogs.closed().size(), 2u);
    EXPECT_EQ(dialogs.closed()[0].text, L"Please enter a custom file name or chose another option.");
    EXPECT_EQ(dialogs.closed()[1].text, L"Destination folder path could not be found. Please define another folder.");
    EXPECT_EQ(dialogs.closed()[1].title, L"Durnwick");
    EXPECT_EQ(TextOf(form.Control(idCmdAction)), L"&START");
    EXPECT_FALSE(form.ScheduleTimerEnabled());
    EXPECT_TRUE(IsWindowEnabled(form.Control(idCmdAdd)));
}

TEST_F(MainWindowTest, StartArmsAndLocksAndCountsDownStopDisarmsAndUnlocks) {
    env_.StoreSetting(kOptionsSection, L"AutoDownloadInterval", L"3");
    frmMain& form = Open();
    Type(idTxtURLs, L"http://a/1");
    Click(form, idCmdAdd);
    SetWindowTextW(form.Control(idTxtPath), env_.folder().path().c_str());
    const ControlId locked[] = {idVScroll1, idCmdAdd, idCmdBrowse, idCmdClear, idCmdPaste};
    Click(form, idCmdAction);
    EXPECT_EQ(TextOf(form.Control(idCmdAction)), L"&STOP");
    EXPECT_EQ(Panel(form, 1), L"Downloading in 3 min(s).");
    EXPECT_TRUE(form.ScheduleTimerEnabled());
    EXPECT_FALSE(form.StopRequested());
    for (ControlId id : locked) EXPECT_FALSE(IsWindowEnabled(form.Control(id))) << id;
    EXPECT_TRUE(IsWindowEnabled(form.Control(idCmdView)));
    form.tmrAutoUpdater_Timer();
    EXPECT_EQ(Panel(form, 1), L"Downloading in 2 min(s).");

    Click(form, idCmdAction);
    EXPECT_EQ(TextOf(form.Control(idCmdAction)), L"&START");
    EXPECT_EQ(Panel(form, 1), L"idle");
    EXPECT_EQ(Panel(form, 2), L"1 file(s) queued for download");
    EXPECT_FALSE(form.ScheduleTimerEnabled());
    EXPECT_TRUE(form.StopRequested());
    for (ControlId id : locked) EXPECT_TRUE(IsWindowEnabled(form.Control(id))) << id;

    // START again counts from the whole interval.
    Click(form, idCmdAction);
    EXPECT_EQ(form.MinutesElapsed(), 0);
    form.tmrAutoUpdater_Timer();
    EXPECT_EQ(Panel(form, 1), L"Downloading in 2 min(s).");
}

// The spinner's own steps are pinned by the Spinner test of the schedule.
TEST_F(MainWindowTest, EveryChoiceIsStoredAsItChangesAndSurvivesARestart) {
    frmMain& form = Open();
    Click(form, idOptCustom);
    EXPECT_EQ(env_.Setting(kOptionsSection, L"SaveName"), L"3");
    Type(idTxtCustomName, L"d");
    Type(idTxtCustomName, L"da");
    EXPECT_EQ(env_.Setting(kOptionsSection, L"CustomName"), L"da");
    Click(form, idChkShowMessages);
    EXPECT_EQ(env_.Setting(kOptionsSection, L"ShowMessages"), L"0");
    Click(form, idChkPlaySound);
    EXPECT_EQ(env_.Setting(kOptionsSection, L"PlaySound"), L"0");
    // The lower arrow at 1 stays at 1; the upper ones count from there.
    for (int request : {SB_LINEDOWN, SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP})
        SendMessageW(form.hwnd(), WM_VSCROLL, request, reinterpret_cast<LPARAM>(form.Control(idVScroll1)));
    EXPECT_EQ(env_.Setting(kOptionsSection, L"AutoDownloadInterval"), L"5");
    env_.StoreSetting(kPathsSection, L"SaveTo", L"E:\\files");

    frmMain& again = Restart();
    EXPECT_TRUE(Ticked(again, idOptCustom));
    EXPECT_FALSE(Ticked(again, idOptOriginalName));
    EXPECT_EQ(TextOf(again.Control(idTxtCustomName)), L"da");
    EXPECT_FALSE(Ticked(again, idChkShowMessages));
    EXPECT_FALSE(Ticked(again, idChkPlaySound));
    EXPECT_EQ(TextOf(again.Control(idTxtAutoD)), L"5");
    EXPECT_EQ(GetScrollPos(again.Control(idVScroll1), SB_CTL), -5);
    EXPECT_EQ(TextOf(again.Control(idTxtPath)), L"E:\\files");

    Type(idTxtCustomName, L"");
    EXPECT_EQ(env_.Setting(kOptionsSection, L"CustomName"), L"");
    EXPECT_EQ(TextOf(Restart().Control(idTxtCustomName)), L"");
}

// Hand-edited texts and an administrator's numbers; the rules for each text
// are pinned by the settings rules tests.
TEST_F(MainWindowTest, HandEditedSettingsAndStoredNumbersLoadAsDecided) {
    env_.StoreSetting(kOptionsSection, L"AutoDownloadInterval", L"99");
    env_.StoreSetting(kOptionsSection, L"ShowMessages", L"maybe");
    env_.StoreSetting(kOptionsSection, L"PlaySound", L"0");
    env_.StoreSetting(kOptionsSection, L"SaveName", L"two");
    frmMain& form = Open();
    EXPECT_EQ(TextOf(form.Control(idTxtAutoD)), L"60");
    EXPECT_EQ(GetScrollPos(form.Control(idVScroll1), SB_CTL), -60);
    EXPECT_EQ(env_.Setting(kOptionsSection, L"AutoDownloadInterval"), L"60");
    EXPECT_TRUE(Ticked(form, idChkShowMessages));
    EXPECT_FALSE(Ticked(form, idChkPlaySound));
    EXPECT_TRUE(Ticked(form, idOptOriginalName));

    env_.StoreNumber(kOptionsSection, L"ShowMessages", 0);
    env_.StoreNumber(kOptionsSection, L"AutoDownloadInterval", 5);
    env_.StoreNumber(kOptionsSection, L"SaveName", 2);
    frmMain& again = Restart();
    EXPECT_FALSE(Ticked(again, idChkShowMessages));
    EXPECT_EQ(TextOf(again.Control(idTxtAutoD)), L"5");
    EXPECT_TRUE(Ticked(again, idOptOriginalDateTime));
    EXPECT_EQ(env_.Setting(kOptionsSection, L"ShowMessages"), L"0");
}

TEST_F(MainWindowTest, UnicodeListFilesLoadEveryEntryAndTheRewriteKeepsThemAll) {
    const Entries entries = {L"http://a/1", L"http://\u4F8B\u3048.jp/\u30D5\u30A1\u30A4\u30EB.txt",
                             L"http://\u0434\u043E\u043C.ru/\u2603"};
    std::wstring text;
    for (const std::wstring& entry : entries) text += entry + L"\r\n\r\n";
    // Files as other programs save them; the encoder's own bytes are checked on their own.
    const struct Case {
        const char* what;
        std::string bytes;
        std::string mark;
    } cases[] = {
        {"UTF-16 LE", EncodeListFile(text, ListFileEncoding::Utf16Le), "\xFF\xFE"},
        {"UTF-16 BE", EncodeListFile(text, ListFileEncoding::Utf16Be), "\xFE\xFF"},
        {"UTF-8", EncodeListFile(text, ListFileEncoding::Utf8), "\xEF\xBB\xBF"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(ReplaceFileContent(ListFile(), c.bytes));
        DialogWatcher dialogs;
        EXPECT_EQ(Queue(Restart()), entries) << c.what;
        EXPECT_TRUE(dialogs.closed().empty()) << c.what;
        const std::string rewritten = FileBytes(ListFile());
        EXPECT_EQ(rewritten.substr(0, c.mark.size()), c.mark) << c.what;
        EXPECT_EQ(NonEmptyLines(LoadedText(DecodeListFile(rewritten))), entries) << c.what;
        // And once more, from the rewritten file.
        EXPECT_EQ(Queue(Restart()), entries) << c.what;
    }
}

TEST_F(MainWindowTest, AListFileWithANulByteStaysAsItWasAndTheLoadSaysSo) {
    const std::string bytes("http://a/1\r\nhttp://b\0/2\r\nhttp://c/3\r\n", 35);
    ASSERT_TRUE(ReplaceFileContent(ListFile(), bytes));
    DialogWatcher dialogs;
    frmMain& form = Open();
    EXPECT_EQ(Queue(form), (Entries{L"http://a/1", L"http://c/3"}));
    EXPECT_EQ(FileBytes(ListFile()), bytes);
    ASSERT_EQ(dialogs.closed().size(), 1u);
    EXPECT_EQ(dialogs.closed()[0].title, L"Durnwick");
    EXPECT_NE(dialogs.closed()[0].text.find(ListFile()), std::wstring::npos) << dialogs.closed()[0].text;
}

// Also run in a Wine prefix without Tahoma, where GDI falls back to another face.
TEST(EveryByteListFile, StartsAndShowsItsText) {
    TestEnvironment env;
    std::string bytes;
    for (int b = 1; b <= 0xFF; ++b) bytes += static_cast<char>(b);
    bytes += "\r\nhttp://a/\x98\r\n\x98\r\n";
    ASSERT_TRUE(ReplaceFileContent(ListFilePath(env.folder().path()), bytes));
    DialogWatcher dialogs;
    frmMain form(env.environment());
    ASSERT_TRUE(form.Show());
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DoEvents();

    const ListFileContent content = DecodeListFile(bytes);
    const std::wstring text = LoadedText(content);
    EXPECT_EQ(TextOf(form.Control(idTxtURLs)), text);
    EXPECT_EQ(Queue(form), NonEmptyLines(text));
    EXPECT_EQ(Queue(form).size(), AllReadable(content) ? 3u : 2u);
    EXPECT_EQ(dialogs.closed().size(), AllReadable(content) ? 0u : 1u);
}

}  // namespace
