#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/deferred_edit_text_win.h"
#include "app/main_controls_win.h"
#include "app/settings_win.h"
#include "controls/systray/sys_tray_win.h"
#include "platform/window_win.h"
#include "retrieval/download_win.h"
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

// The main window: the queue, folder, naming, schedule and run.
class frmMain : public Window {
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
    bool ScheduleTimerEnabled() const { return timerEnabled_; }
    bool RunActive() const { return runActive_; }
    ctxSysTray& Tray() { return stSysTray_; }

    // One minute of the schedule; the timer calls it, and so can tests.
    void tmrAutoUpdater_Timer();

private:
    static constexpr UINT_PTR idTmrAutoUpdater = 1;
    static constexpr UINT idExito = 200;

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

    void ConnectTray();
    void AddTrayIcon();
    void RefreshTrayTip();
    void Form_Resize(WPARAM sizeKind);
    void stSysTray_MouseMouse();
    void stSysTray_MouseUp(int button);
    void stSysTray_DblClick();
    void exito_Click();

    void StartSchedule();
    void StopSchedule();
    void DownloadQueue();
    bool DownloadEntry(const std::wstring& entry);
    bool NameAndDownload(const std::wstring& entry);
    void LogEntryCancelled();
    void LogEntry(const std::wstring& entry, const std::wstring& result, std::uint64_t bytes, std::uint64_t elapsedMs);
    void CompleteRun(size_t failed, size_t count);
    void ShowCompletionBalloon(size_t failed, size_t count);
    void SetScheduleTimer(bool enabled);

    void SetPanel(int panel, const std::wstring& text);
    std::wstring PanelText(int panel) const;
    std::wstring Text(ControlId id) const;
    void SetText(ControlId id, const std::wstring& text);
    bool IsTicked(ControlId id) const;
    void SetTicked(ControlId id, bool ticked);
    void SetEnabled(ControlId id, bool enabled);
    size_t QueueCount() const;
    std::wstring QueueEntry(size_t index) const;
    int Interval() const;
    NamingConvention SelectedConvention() const;
    void ReportListFileError(const std::wstring& path, DWORD error);
    void ShowError(const std::wstring& text, UINT icon);

    MainWindowEnvironment environment_;
    SettingsStore settings_;
    // Joined when the window object goes; Exit and closing cancel it first.
    Downloader downloader_;
    ListFileEncoding listFileEncoding_ = ListFileEncoding::CodePage;
    MainControls controls_;
    std::unique_ptr<DeferredEditText> loadedUrls_;  // the list file's text, going into the URL box
    ctxSysTray stSysTray_;
    const UINT taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    // The control that had the focus when the window last lost it.
    HWND focused_ = nullptr;
    // START armed the schedule and STOP has not disarmed it.
    bool armed_ = false;
    bool stopRequested_ = false;
    int16_t minutesElapsed_ = 0;
    bool timerEnabled_ = false;
    bool runActive_ = false;
    // The entry the run is naming or downloading.
    struct EntryInProgress {
        std::wstring entry;
        std::uint64_t startMs = 0;
    };
    std::optional<EntryInProgress> entryInProgress_;
};
