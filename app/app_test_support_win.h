#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "platform/files_win.h"
#include "platform/window_text_win.h"
#include "retrieval/test_http_server_win.h"

// What a test saw, in order: texts to compare with SameSequence.
using Log = std::vector<std::wstring>;

// Calls step every everyMs while this thread handles messages: while a run
// yields or waits for a download, while a message box or a menu runs its
// own loop. A test looks and acts there as a user would.
class WhilePumping {
public:
    explicit WhilePumping(std::function<void()> step, UINT everyMs = 5);
    WhilePumping(const WhilePumping&) = delete;
    WhilePumping& operator=(const WhilePumping&) = delete;
    ~WhilePumping();

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD);
    static std::map<UINT_PTR, WhilePumping*>& Active();
    std::function<void()> step_;
    UINT_PTR timer_ = 0;
};

// Reads the first pop-up menu that opens: each item as its caption, with
// " (disabled)" when greyed; then clicks the item `choose` with the mouse,
// or closes the menu. The menu runs its own loop, so the click is only
// sent here, not waited for.
class MenuReader {
public:
    explicit MenuReader(const wchar_t* choose = nullptr) : choose_(choose) {}
    const Log& items() const { return items_; }
    bool Done() const;

private:
    void Look();

    const wchar_t* choose_;
    Log items_;
    bool done_ = false;
    WhilePumping hook_{[this] { Look(); }, 50};
};

// A dialog that the watcher closed: its title and the texts of its statics.
struct ClosedDialog {
    std::wstring title;
    std::wstring text;
};

// Closes every modal dialog this thread opens (message boxes, the folder
// picker) as Escape would, and remembers what each said. A dialog that
// answer takes (returns true for) is left to it instead.
class DialogWatcher {
public:
    explicit DialogWatcher(std::function<bool(HWND dialog)> answer = {});
    const std::vector<ClosedDialog>& closed() const { return closed_; }

private:
    void CloseDialogs();
    std::function<bool(HWND)> answer_;
    std::vector<ClosedDialog> closed_;
    WhilePumping hook_{[this] { CloseDialogs(); }, 50};
};

// A settings key of the test's own, never the program's: Software\Tolvane-test-<pid>-<n>.
std::wstring TestSettingsKey();

// A program folder and a settings key of the test's own, removed afterwards.
class TestEnvironment {
public:
    TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;
    ~TestEnvironment();

    MainWindowEnvironment environment() const;
    const TempFolder& folder() const { return folder_; }
    // What the window handed to the shell to open, in order.
    const std::vector<std::wstring>& opened() const { return *opened_; }
    std::wstring Setting(const std::wstring& section, const std::wstring& key) const;
    bool HasSetting(const std::wstring& section, const std::wstring& key) const;
    void StoreSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value) const;
    // As an administrator's script would: a REG_DWORD.
    void StoreNumber(const std::wstring& section, const std::wstring& key, DWORD value) const;

private:
    TempFolder folder_;
    std::wstring settingsKey_;
    std::shared_ptr<std::vector<std::wstring>> opened_ = std::make_shared<std::vector<std::wstring>>();
};

// A main window with a folder and settings of its own, shown in the
// foreground, where the real keyboard and mouse reach it.
class ForegroundMainWindow : public ::testing::Test {
protected:
    void SetUp() override;

    TestEnvironment env_;
    std::unique_ptr<frmMain> form_;
};

// What a user does and sees on the main window.
void Click(frmMain& form, ControlId id);
// Makes the window the foreground one, which the keyboard and mouse reach.
void BringToFront(frmMain& form);
// A left click of the real mouse in the middle of the control.
void ClickWithMouse(HWND control);
void SetClipboardText(HWND owner, const std::wstring& text);
// Types the entries into the URL box, one to a line, and presses Add.
void AddToQueue(frmMain& form, const std::vector<std::wstring>& entries);
std::wstring Panel(frmMain& form, int panel);
std::vector<std::wstring> Queue(frmMain& form);
int Progress(frmMain& form);
int ProgressMaximum(frmMain& form);
bool Ticked(frmMain& form, ControlId id);
std::string FileBytes(const std::wstring& path);

// Serves a queue that meets a few faults and returns it: an answer, a 404,
// an unreachable host, an entry with no name, a silent server, a body cut
// short, and the first address again. The files of the ones that fail are in
// the folder already and must stay as they are.
std::vector<std::wstring> ServeFaults(TestHttpServer& server, const TempFolder& downloads);

// The tray icon tells the window of a mouse message, as the shell does.
void NotifyTray(frmMain& form, UINT mouseMessage);

// True while the shell holds the tray icon of the window: a modify that
// changes nothing succeeds only then.
bool ShellHoldsIcon(HWND trayWindow);
