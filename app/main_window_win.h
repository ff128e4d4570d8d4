#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/deferred_edit_text_win.h"
#include "app/main_controls_win.h"
#include "app/main_tray_win.h"
#include "app/queue_list_win.h"
#include "app/run_controller_win.h"
#include "app/settings_win.h"
#include "app/status_panels_win.h"
#include "platform/window_win.h"
#include "retrieval/download.h"
#include "retrieval/list_file_win.h"
#include "retrieval/naming.h"

// Where the main window keeps its files and settings; tests point it elsewhere.
struct MainWindowEnvironment {
    std::wstring programFolder;  // holds "List.txt" and "sound.wav"
    std::wstring settingsKey;    // the settings store's root under HKEY_CURRENT_USER
    std::function<void()> onClosed;
    TransferLimits transferLimits;  // tests make them short
    // Hands a web address or a folder to the shell; the shell's "open" unless
    // set, and tests only note what would be opened.
    std::function<void(HWND owner, const std::wstring& target)> openWithShell;
};

// The main window: the queue, folder, naming and schedule controls. Its
// handlers hand the run to the run controller, the queue to its list, the
// status texts to the panels and the icon to the tray, and it shows what
// the controller reports.
class frmMain : public Window, private RunSource, private RunListener, private QueueMenuOwner {
public:
    explicit frmMain(MainWindowEnvironment environment);
    ~frmMain() override;

    // Creates the window and runs its load sequence, then shows it; false
    // when the window could not be made.
    [[nodiscard]] bool Show();

    HWND Control(ControlId id) const { return controls_[id]; }
    xoButtons_H& Button(ControlId id) const { return controls_.Button(id); }
    RECT HintBox() const { return controls_.HintBox(); }
    HWND StatusBar() const { return controls_.statusBar(); }
    HWND ProgressBar() const { return controls_.progressBar(); }
    const RunController& Runs() const { return *run_; }
    ctxSysTray& Tray() { return tray_.Control(); }
    const QueueList& QueueItems() const { return queue_; }

    // One minute of the schedule; the timer calls it, and so can tests.
    void tmrAutoUpdater_Timer();

private:
    static constexpr UINT_PTR idTmrAutoUpdater = 1;
    static constexpr UINT idExito = 200;
    static constexpr UINT idMnuDownloadNow = 201;
    static constexpr UINT idMnuOpenFolder = 202;
    static constexpr UINT idMnuOpenLog = 203;
    static constexpr UINT idMnuSkipUnchanged = 204;

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnCommand(int id, int code);
    void OnButtonClick(ControlId id);
    void Form_Activate(WPARAM state);
    void PaintHintBox();
    void Form_Load();
    void LoadSettings(std::wstring& storedNamingChoice);
    void SelectNamingOption(const std::wstring& storedNamingChoice);
    void LoadListFile();
    void AddLines(const std::vector<std::wstring>& lines, bool writeListFile);

    void cmdAdd_Click();
    void cmdPaste_Click();
    void cmdClear_Click();
    void cmdBrowse_Click();
    void cmdView_Click();
    void cmdAction_Click();
    void OpenVendorPage(const wchar_t* path);
    void Open(const std::wstring& target);
    void optNaming_Click(NamingConvention convention);
    void txtCustomName_Change();
    void VScroll1_Scroll(int request);
    void VScroll1_Change();
    void chkShowMessages_Click();
    void chkPlaySound_Click();

    void Form_Resize(WPARAM sizeKind);
    void stSysTray_MouseMouse();
    void stSysTray_MouseUp(int button);
    void stSysTray_DblClick();
    void exito_Click();
    void mnuDownloadNow_Click();
    void mnuOpenFolder_Click();
    void mnuOpenLog_Click();
    void mnuSkipUnchanged_Click();

    // What the run reads.
    size_t QueueCount() const override;
    std::wstring QueueEntry(size_t position) const override;
    NamingChoice Naming() const override;
    int Interval() const override;

    // What the run reports.
    void ScheduleArmed() override;
    void ScheduleDisarmed() override;
    void CountdownTicked(int minutesLeft) override;
    void RunStarted() override;
    void EntryStarting(size_t position, size_t count) override;
    void EntryFinished(const EntryReport& report) override;
    void RunStopped() override;
    void RunCompleted(const RunSummary& summary) override;

    // The queue's context menu.
    bool QueueCommandAllowed(QueueCommand command, size_t position) const override;
    void QueueCommandChosen(QueueCommand command, size_t position) override;
    void mnuOpenFile_Click(size_t position);
    void mnuOpenContainingFolder_Click(size_t position);
    void mnuCopyAddress_Click(size_t position);
    void mnuRemoveFromQueue_Click(size_t position);
    void mnuDownloadEntryNow_Click(size_t position);
    void ShowResult(const EntryReport& report);

    void RefuseStart(StartRefusal refusal);
    void LockWhileArmed(bool locked);
    void ShowStopped();
    void ShowSchedule(const std::wstring& text);
    void PlayCompletionSound();

    std::wstring Text(ControlId id) const;
    void SetText(ControlId id, const std::wstring& text);
    bool IsTicked(ControlId id) const;
    void SetTicked(ControlId id, bool ticked);
    void SetEnabled(ControlId id, bool enabled);
    NamingConvention SelectedConvention() const;
    void ReportListFileError(const std::wstring& path, DWORD error);
    void ShowError(const std::wstring& text, UINT icon);

    MainWindowEnvironment environment_;
    SettingsStore settings_;
    ListFileEncoding listFileEncoding_ = ListFileEncoding::CodePage;
    MainControls controls_;
    QueueList queue_;
    StatusPanels status_;
    std::unique_ptr<DeferredEditText> loadedUrls_;  // the list file's text, going into the URL box
    MainTray tray_;
    const UINT taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    // The control that had the focus when the window last lost it.
    HWND focused_ = nullptr;
    // The tray menu's "Skip unchanged files", kept as "SkipUnchanged".
    bool skipUnchanged_ = false;
    // Made with the window, which its timer ticks to.
    std::optional<RunController> run_;
};
