#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "platform/files_win.h"
#include "platform/window_text_win.h"
#include "retrieval/test_http_server_win.h"

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
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;
    ~DialogWatcher();
    const std::vector<ClosedDialog>& closed() const { return closed_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static DialogWatcher* active_;
    std::function<bool(HWND)> answer_;
    UINT_PTR timer_ = 0;
    std::vector<ClosedDialog> closed_;
};

// Calls step every few milliseconds while a run pumps messages, so a test
// can look and act in the middle of a run as a user would.
class DuringRun {
public:
    explicit DuringRun(std::function<void()> step);
    DuringRun(const DuringRun&) = delete;
    DuringRun& operator=(const DuringRun&) = delete;
    ~DuringRun();

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static DuringRun* active_;
    std::function<void()> step_;
    UINT_PTR timer_ = 0;
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
std::wstring Panel(frmMain& form, int panel);
std::vector<std::wstring> Queue(frmMain& form);
int Progress(frmMain& form);
int ProgressMaximum(frmMain& form);
bool Ticked(frmMain& form, ControlId id);
std::string FileBytes(const std::wstring& path);

// True while the shell holds the tray icon of the window: a modify that
// changes nothing succeeds only then.
bool ShellHoldsIcon(HWND trayWindow);
