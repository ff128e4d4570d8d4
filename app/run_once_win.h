#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/main_tray_win.h"
#include "app/run_controller_win.h"
#include "app/settings_win.h"

// The unattended run: the queue from a list file and the choices from the
// settings, run once through the same controller as the window's, with only
// the tray icon to show for it.
class RunOnce final : private RunSource, private RunListener {
public:
    // listFile: empty for "List.txt" beside the program, which is then
    // read, never written.
    RunOnce(std::wstring programFolder, const std::wstring& settingsKey, std::wstring listFile,
            TransferLimits limits = {});
    RunOnce(const RunOnce&) = delete;
    RunOnce& operator=(const RunOnce&) = delete;

    // The program's exit code.
    int Run();

private:
    size_t QueueCount() const override { return queue_.size(); }
    std::wstring QueueEntry(size_t position) const override;
    NamingChoice Naming() const override { return naming_; }
    int Interval() const override { return 1; }

    void ScheduleArmed() override {}
    void ScheduleDisarmed() override {}
    void CountdownTicked(int) override {}
    void RunStarted() override {}
    void EntryStarting(size_t position, size_t count) override;
    void EntryFinished(const EntryReport&) override {}
    void RunStopped() override {}
    void RunCompleted(const RunSummary& summary) override { summary_ = summary; }

    bool LoadQueue();

    std::wstring programFolder_;
    std::wstring listFile_;
    std::vector<std::wstring> queue_;
    size_t unreadableLines_ = 0;
    NamingChoice naming_;
    MainTray tray_;
    std::optional<RunSummary> summary_;
    RunController run_;
};
