#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/entry_status.h"
#include "app/instance_lock_win.h"
#include "retrieval/download_state_win.h"
#include "retrieval/download_win.h"
#include "retrieval/naming.h"

// How the entries of a run are named. Asked again for every entry: the
// custom name can still change while the schedule is armed.
struct NamingChoice {
    NamingConvention convention = NamingConvention::OriginalName;
    std::wstring customName;
    std::wstring folder;
    // Under the conventions that make a new name every run: an unchanged
    // body stores nothing. Under the original name it never does.
    bool skipUnchanged = false;
};

// What the run reads, at the moment it needs it. The main window answers
// from its controls.
class RunSource {
public:
    virtual size_t QueueCount() const = 0;
    // Empty when there is no entry at that position (any more).
    virtual std::wstring QueueEntry(size_t position) const = 0;
    virtual NamingChoice Naming() const = 0;
    virtual int Interval() const = 0;  // minutes

protected:
    ~RunSource() = default;
};

// How one entry of a run ended, as the run log has it.
struct EntryReport {
    size_t position = 0;  // in the queue, from 0
    std::wstring entry;   // as queued
    bool arrived = false;
    std::wstring result;  // the log's words: "OK, HTTP 200", "skipped: no usable file name", ...
    std::uint64_t bytes = 0;
    std::uint64_t elapsedMs = 0;
    std::wstring targetPath;  // empty when the entry had no usable name
    // Arrived as the copy already there: a 304, or the same bytes again.
    bool unchanged = false;
};

struct RunSummary {
    size_t failed = 0;
    size_t count = 0;
    size_t unchanged = 0;
};

// What the controller tells whoever shows it, as it happens.
class RunListener {
public:
    // START passed its checks: the countdown of the whole interval begins.
    virtual void ScheduleArmed() = 0;
    // STOP; a run in progress goes on to the end of its current entry.
    virtual void ScheduleDisarmed() = 0;
    virtual void CountdownTicked(int minutesLeft) = 0;
    // The countdown reached zero; the timer is off until the run completes.
    virtual void RunStarted() = 0;
    virtual void EntryStarting(size_t position, size_t count) = 0;
    virtual void EntryFinished(const EntryReport& report) = 0;
    // A STOP during the run was honoured after an entry; the schedule stays off.
    virtual void RunStopped() = 0;
    // Every entry was tried; the countdown starts again right after this.
    virtual void RunCompleted(const RunSummary& summary) = 0;

protected:
    ~RunListener() = default;
};

// Why START armed nothing.
// ArmedElsewhere: another Durnwick of the same program folder is armed or
// running, and one queue is never fetched twice at once.
enum class StartRefusal { None, EmptyQueue, NoCustomName, CustomNameIsAPath, NoFolder, ArmedElsewhere };

struct RunSetup {
    std::wstring programFolder;  // holds the run log and the state file
    TransferLimits transferLimits;
    // While the schedule is armed this window gets WM_TIMER with this id
    // every minute, and is to call Tick().
    HWND tickWindow = nullptr;
    UINT_PTR tickTimerId = 0;
};

// The schedule and the runs: START and STOP, the minute count, the timer,
// the run in progress and each entry's naming, download and log line. One
// thread: the run yields to the message loop between entries, so STOP, a
// tick or Exit arrive there, never during an entry's own steps.
class RunController {
public:
    RunController(RunSource& source, RunListener& listener, RunSetup setup);
    RunController(const RunController&) = delete;
    RunController& operator=(const RunController&) = delete;

    // START: the checks in their order, then arms the schedule.
    StartRefusal Start();
    // STOP: disarms; a run in progress ends after its current entry.
    void Stop();
    // Runs the whole queue at once after START's checks, as if the interval
    // had elapsed: when armed, the countdown starts again after it; when
    // not, the schedule stays off. Nothing while a run goes on.
    StartRefusal RunNow();
    // One minute of the schedule: counts down, or runs the queue when the
    // count reaches the interval. A tick during a run is ignored.
    void Tick();
    // One entry at once, outside the schedule ("Download now"), named,
    // downloaded and logged as in a run; nothing while a run is going on or
    // while another Durnwick of the program folder holds the schedule.
    std::optional<EntryReport> DownloadOne(size_t position);
    // Ends the transfer in flight and logs its entry as cancelled, for a
    // program that ends now.
    void Abandon();

    bool Armed() const { return armed_; }
    bool Running() const { return running_; }
    bool TimerEnabled() const { return timerEnabled_; }
    // Each address's last result: this session's, or else the one the state
    // file kept from before.
    const QueueStatuses& Statuses() const { return statuses_; }

private:
    struct EntryInProgress {
        size_t position = 0;
        std::wstring entry;
        std::uint64_t startMs = 0;
    };

    StartRefusal Check();
    void Run();
    // Around the downloads of a run or of one entry.
    void BeginDownloads();
    void SaveRecords();
    void EndDownloads();
    EntryReport DownloadEntry(size_t position, const std::wstring& entry);
    EntryReport NameAndDownload(size_t position, const std::wstring& entry);
    void Log(const EntryReport& report);
    void LoadMemory();
    void SaveMemory();
    std::vector<std::wstring> QueuedEntries() const;
    void SetTimerEnabled(bool enabled);

    RunSource& source_;
    RunListener& listener_;
    const RunSetup setup_;
    // Joined when the controller goes; Abandon cancels it first.
    Downloader downloader_;
    // Read again at the start of every run, written when an entry changes it.
    DownloadMemory memory_;
    bool memoryChanged_ = false;  // since the state file was last written
    QueueStatuses statuses_;
    // START armed the schedule and STOP has not disarmed it.
    bool armed_ = false;
    bool stopRequested_ = false;
    int16_t minutesElapsed_ = 0;
    bool timerEnabled_ = false;
    bool running_ = false;
    // Held while armed or running.
    InstanceLock lock_;
    // The entry the run is naming or downloading.
    std::optional<EntryInProgress> entryInProgress_;
};
