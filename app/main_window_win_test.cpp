#include "app/main_window_win.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <memory>
#include <optional>

#include "app/app_test_support_win.h"
#include "app/settings_rules.h"
#include "platform/message_loop_win.h"
#include "platform/test_sequence.h"
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

using Entries = Log;

std::wstring Tip(frmMain& form) { return FieldText(form.Tray().Record().szTip); }

TEST_F(MainWindowTest, AddQueuesNonEmptyLinesAndWritesTheListFile) {
    frmMain& form = Open();
    // An empty box adds nothing; line breaks alone keep a valid maximum.
    Click(form, idCmdAdd);
    EXPECT_EQ(FileBytes(ListFile()), "<missing>");
    Type(idTxtURLs, L"\r\n\r\n");
    Click(form, idCmdAdd);
    EXPECT_EQ(ProgressMaximum(form), 1);

    Type(idTxtURLs, L"http://a/1\r\n\r\nhttp://b/2\r\n   \r\n");
    Click(form, idCmdAdd);
    EXPECT_TRUE(SameSequence(Queue(form), {L"http://a/1", L"http://b/2", L"   "}));
    EXPECT_EQ(FileBytes(ListFile()), "http://a/1\r\nhttp://b/2\r\n   \r\n");
    EXPECT_EQ(ProgressMaximum(form), 3);

    // A second Add queues everything again; the file keeps one copy.
    Click(form, idCmdAdd);
    EXPECT_EQ(Queue(form).size(), 6u);
    EXPECT_EQ(FileBytes(ListFile()), "http://a/1\r\nhttp://b/2\r\n   \r\n");
}

// Clear empties the queue but not the file, which fills it again at the next start.
TEST_F(MainWindowTest, ListFileFillsTheQueueAtStartWithoutBlankEntries) {
    ASSERT_TRUE(ReplaceFileContent(ListFile(), "  http://a/1\r\n\r\nhttp://b/2\r\n\r\n\r\n  "));
    frmMain& form = Open();
    EXPECT_TRUE(SameSequence(Queue(form), {L"http://a/1", L"http://b/2"}));
    EXPECT_EQ(FileBytes(ListFile()), "http://a/1\r\nhttp://b/2\r\n");
    Click(form, idCmdClear);
    EXPECT_TRUE(Queue(form).empty());
    frmMain& again = Restart();
    EXPECT_TRUE(SameSequence(Queue(again), {L"http://a/1", L"http://b/2"}));
    EXPECT_EQ(WindowText(again.Control(idTxtURLs)), L"http://a/1\r\nhttp://b/2\r\n");
}

// Held open by another program, or kept read-only by the user.
TEST_F(MainWindowTest, ListFileThatCannotBeWrittenIsReportedAndTheQueueStillFills) {
    frmMain& form = Open();
    for (const bool readOnly : {false, true}) {
        ASSERT_TRUE(ReplaceFileContent(ListFile(), "http://old/\r\n"));
        if (readOnly) {
            ASSERT_TRUE(SetFileAttributesW(ListFile().c_str(), FILE_ATTRIBUTE_READONLY));
        }
        DialogWatcher dialogs;
        {
            KernelHandle lock(
                readOnly ? INVALID_HANDLE_VALUE
                         : CreateFileW(ListFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
            Click(form, idCmdClear);
            Type(idTxtURLs, L"http://new/");
            Click(form, idCmdAdd);
        }
        ASSERT_EQ(dialogs.closed().size(), 1u) << readOnly;
        const std::wstring& said = dialogs.closed()[0].text;
        EXPECT_NE(said.find(L"The list file \"" + ListFile() + L"\" could not be used:"), std::wstring::npos) << said;
        EXPECT_TRUE(SameSequence(Queue(form), {L"http://new/"})) << readOnly;
        EXPECT_EQ(FileBytes(ListFile()), "http://old/\r\n") << readOnly;
        SetFileAttributesW(ListFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
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
}

// START refuses in this order, then arms, locks what changes the queue and
// counts down; STOP disarms and unlocks.
TEST_F(MainWindowTest, StartRefusesInOrderThenArmsAndStopDisarms) {
    env_.StoreSetting(kOptionsSection, L"AutoDownloadInterval", L"3");
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
    EXPECT_FALSE(form.Runs().TimerEnabled());

    SetWindowTextW(form.Control(idTxtPath), env_.folder().path().c_str());
    const ControlId locked[] = {idVScroll1, idCmdAdd, idCmdBrowse, idCmdClear, idCmdPaste};
    Click(form, idCmdAction);
    EXPECT_EQ(WindowText(form.Control(idCmdAction)), L"&STOP");
    EXPECT_EQ(Panel(form, 1), L"Downloading in 3 min(s).");
    EXPECT_TRUE(form.Runs().TimerEnabled());
    for (ControlId id : locked) EXPECT_FALSE(IsWindowEnabled(form.Control(id))) << id;
    // No click gets through to a locked button.
    Click(form, idCmdAdd);
    EXPECT_EQ(Queue(form).size(), 1u);
    form.tmrAutoUpdater_Timer();
    EXPECT_EQ(Panel(form, 1), L"Downloading in 2 min(s).");

    Click(form, idCmdAction);
    EXPECT_EQ(WindowText(form.Control(idCmdAction)), L"&START");
    EXPECT_EQ(Panel(form, 1), L"idle");
    EXPECT_FALSE(form.Runs().TimerEnabled());
    for (ControlId id : locked) EXPECT_TRUE(IsWindowEnabled(form.Control(id))) << id;
    // START again counts from the whole interval.
    Click(form, idCmdAction);
    form.tmrAutoUpdater_Timer();
    EXPECT_EQ(Panel(form, 1), L"Downloading in 2 min(s).");
}

TEST_F(MainWindowTest, EveryChoiceIsStoredAsItChangesAndSurvivesARestart) {
    env_.StoreNumber(kOptionsSection, L"ShowMessages", 0);
    frmMain& form = Open();
    EXPECT_FALSE(env_.HasSetting(kPathsSection, L"SaveTo"));
    EXPECT_EQ(env_.Setting(kOptionsSection, L"CustomName"), L"Downloaded file.txt");
    EXPECT_FALSE(Ticked(form, idChkShowMessages));
    Click(form, idOptCustom);
    EXPECT_EQ(env_.Setting(kOptionsSection, L"SaveName"), L"3");
    Type(idTxtCustomName, L"da");
    Click(form, idChkPlaySound);
    // The lower arrow at 1 stays at 1; the upper ones count from there.
    for (int request : {SB_LINEDOWN, SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP})
        SendMessageW(form.hwnd(), WM_VSCROLL, request, reinterpret_cast<LPARAM>(form.Control(idVScroll1)));
    EXPECT_EQ(env_.Setting(kOptionsSection, L"AutoDownloadInterval"), L"5");
    env_.StoreSetting(kPathsSection, L"SaveTo", L"E:\\files");

    frmMain& again = Restart();
    EXPECT_TRUE(Ticked(again, idOptCustom));
    EXPECT_EQ(WindowText(again.Control(idTxtCustomName)), L"da");
    EXPECT_FALSE(Ticked(again, idChkPlaySound));
    EXPECT_EQ(GetScrollPos(again.Control(idVScroll1), SB_CTL), -5);
    EXPECT_EQ(WindowText(again.Control(idTxtPath)), L"E:\\files");

    // An empty name is a name; a number out of range is brought in and stored so.
    Type(idTxtCustomName, L"");
    env_.StoreSetting(kOptionsSection, L"AutoDownloadInterval", L"99");
    frmMain& third = Restart();
    EXPECT_EQ(WindowText(third.Control(idTxtCustomName)), L"");
    EXPECT_EQ(GetScrollPos(third.Control(idVScroll1), SB_CTL), -60);
    EXPECT_EQ(env_.Setting(kOptionsSection, L"AutoDownloadInterval"), L"60");
}

// A file as another program saves it; the decoder's own rows are the list
// file tests'. The rewrite keeps every entry and the file's own encoding.
TEST_F(MainWindowTest, AUnicodeListFileLoadsEveryEntryAndTheRewriteKeepsItsEncoding) {
    const Entries entries = {L"http://a/1", L"http://\u4F8B\u3048.jp/\u30D5\u30A1\u30A4\u30EB.txt",
                             L"http://\u0434\u043E\u043C.ru/\u2603"};
    std::wstring text;
    for (const std::wstring& entry : entries) text += entry + L"\r\n\r\n";
    ASSERT_TRUE(ReplaceFileContent(ListFile(), EncodeListFile(text, ListFileEncoding::Utf16Be)));
    DialogWatcher dialogs;
    EXPECT_TRUE(SameSequence(Queue(Open()), entries));
    EXPECT_TRUE(dialogs.closed().empty());
    const std::string rewritten = FileBytes(ListFile());
    EXPECT_EQ(rewritten.substr(0, 2), "\xFE\xFF");
    EXPECT_TRUE(SameSequence(NonEmptyLines(LoadedText(DecodeListFile(rewritten))), entries));
}

TEST_F(MainWindowTest, AListFileWithANulByteStaysAsItWasAndTheLoadSaysSo) {
    const std::string bytes("http://a/1\r\nhttp://b\0/2\r\nhttp://c/3\r\n", 35);
    ASSERT_TRUE(ReplaceFileContent(ListFile(), bytes));
    DialogWatcher dialogs;
    frmMain& form = Open();
    EXPECT_TRUE(SameSequence(Queue(form), {L"http://a/1", L"http://c/3"}));
    EXPECT_EQ(FileBytes(ListFile()), bytes);
    ASSERT_EQ(dialogs.closed().size(), 1u);
    EXPECT_NE(dialogs.closed()[0].text.find(ListFile()), std::wstring::npos) << dialogs.closed()[0].text;
}

// Minimising hides the window only while the icon can bring it back.
TEST_F(MainWindowTest, TrayIconBringsTheMinimisedWindowBackAndGoesWhenItCloses) {
    frmMain& form = Open();
    HWND trayWindow = form.Tray().hwnd();
    EXPECT_TRUE(ShellHoldsIcon(trayWindow));
    ShowWindow(form.hwnd(), SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    NotifyTray(form, WM_RBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_FALSE(IsIconic(form.hwnd()));
    SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.hwnd()));
    EXPECT_FALSE(ShellHoldsIcon(trayWindow));
}

TEST_F(MainWindowTest, MinimisingWithoutATrayIconKeepsTheWindowOnTheTaskbar) {
    frmMain& form = Open();
    form.Tray().RemoveIconFromSystray();
    ShowWindow(form.hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
}

TEST_F(MainWindowTest, TrayTipFollowsTheScheduleAndComesBackWhenTheShellRestarts) {
    frmMain& form = Open();
    NotifyTray(form, WM_MOUSEMOVE);
    EXPECT_EQ(Tip(form), L"Durnwick - Idle");
    SetWindowTextW(form.Control(idTxtPath), env_.folder().path().c_str());
    SetWindowTextW(form.Control(idTxtURLs), L"http://127.0.0.1:9/x");
    Click(form, idCmdAdd);
    Click(form, idCmdAction);
    EXPECT_EQ(Tip(form), L"Durnwick - Downloading in 1 min(s).");
    // The shell forgets the icon, as a restarted shell has.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof gone;
    gone.hWnd = form.Tray().hwnd();
    gone.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    SendMessageW(form.hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHoldsIcon(form.Tray().hwnd()));
}

TEST_F(MainWindowTest, RightButtonReleaseOnTheTrayIconOpensTheMenuAndLeftDoesNot) {
    frmMain& form = Open();
    const MenuReader reader;
    NotifyTray(form, WM_LBUTTONUP);
    NotifyTray(form, WM_RBUTTONUP);
    // Nothing is logged before the first run; a separator reads as greyed.
    EXPECT_TRUE(SameSequence(reader.items(), {L"Download &now", L"Open &folder", L"Open &log (disabled)",
                                              L" (disabled)", L"Skip &unchanged files", L" (disabled)", L"E&xit"}));
    EXPECT_TRUE(IsWindow(form.hwnd()));
}

// Chooses "Skip unchanged files" from the tray menu by its access key;
// returns whether the item showed a check before.
bool ToggleSkipUnchanged(frmMain& form) {
    std::optional<bool> checked;
    {
        const WhilePumping choose(
            [&] {
                HWND menu = FindWindowW(L"#32768", nullptr);
                if (checked || !menu || !IsWindowVisible(menu)) return;
                HMENU items = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
                for (int i = 0; i < GetMenuItemCount(items); ++i) {
                    wchar_t text[32] = {};
                    GetMenuStringW(items, i, text, 32, MF_BYPOSITION);
                    if (std::wstring_view(text) == L"Skip &unchanged files")
                        checked = (GetMenuState(items, i, MF_BYPOSITION) & MF_CHECKED) != 0;
                }
                PostMessageW(menu, WM_CHAR, L'u', 0);
            },
            50);
        NotifyTray(form, WM_RBUTTONUP);
    }
    DoEvents();
    EXPECT_TRUE(checked) << "no menu showed";
    return checked.value_or(false);
}

TEST_F(MainWindowTest, SkipUnchangedFilesIsATrayItemStoredAsItChangesThatSurvivesARestart) {
    frmMain& form = Open();
    EXPECT_FALSE(env_.HasSetting(kOptionsSection, L"SkipUnchanged"));
    EXPECT_FALSE(ToggleSkipUnchanged(form));
    EXPECT_EQ(env_.Setting(kOptionsSection, L"SkipUnchanged"), L"1");

    frmMain& again = Restart();
    EXPECT_TRUE(ToggleSkipUnchanged(again));
    EXPECT_EQ(env_.Setting(kOptionsSection, L"SkipUnchanged"), L"0");
    EXPECT_FALSE(ToggleSkipUnchanged(again));
    EXPECT_TRUE(IsWindow(again.hwnd()));
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
    EXPECT_EQ(WindowText(form.Control(idTxtURLs)), text);
    EXPECT_TRUE(SameSequence(Queue(form), NonEmptyLines(text)));
    EXPECT_EQ(Queue(form).size(), AllReadable(content) ? 3u : 2u);
    EXPECT_EQ(dialogs.closed().size(), AllReadable(content) ? 0u : 1u);
}

}  // namespace
