#include "app/run_controller_win.h"

#include <functional>

#include "platform/message_loop_win.h"
#include "retrieval/address.h"
#include "retrieval/file_checks_win.h"
#include "retrieval/naming_win.h"
#include "retrieval/run_log_win.h"
#include "retrieval/schedule.h"

RunController::RunController(RunSource& source, RunListener& listener, RunSetup setup)
    : source_(source),
      listener_(listener),
      setup_(std::move(setup)),
      downloader_(setup_.transferLimits),
      memory_(setup_.programFolder),
      lock_(setup_.programFolder) {
    // The queue shows the last results from the start.
    LoadMemory();
}

StartRefusal RunController::Check() {
    if (source_.QueueCount() == 0) return StartRefusal::EmptyQueue;
    const NamingChoice naming = source_.Naming();
    if (naming.convention == NamingConvention::Custom && naming.customName.empty()) return StartRefusal::NoCustomName;
    // A path would put the files outside the chosen folder.
    if (naming.convention == NamingConvention::Custom && !IsPlainFileName(naming.customName))
        return StartRefusal::CustomNameIsAPath;
    if (!FolderCheck(naming.folder)) return StartRefusal::NoFolder;
    if (!lock_.Take()) return StartRefusal::ArmedElsewhere;
    return StartRefusal::None;
}

StartRefusal RunController::Start() {
    if (const StartRefusal refusal = Check(); refusal != StartRefusal::None) return refusal;
    armed_ = true;
    stopRequested_ = false;
    minutesElapsed_ = 0;
    SetTimerEnabled(true);
    listener_.ScheduleArmed();
    return StartRefusal::None;
}

void RunController::Stop() {
    armed_ = false;
    SetTimerEnabled(false);
    stopRequested_ = true;
    if (!running_) lock_.Give();
    listener_.ScheduleDisarmed();
}

StartRefusal RunController::RunNow() {
    if (running_) return StartRefusal::None;
    if (const StartRefusal refusal = Check(); refusal != StartRefusal::None) return refusal;
    stopRequested_ = false;
    Run();
    return StartRefusal::None;
}

void RunController::Tick() {
    // STOP then START during a run re-arms the timer; only one run at a time.
    if (running_) return;
    const TickOutcome tick = ScheduleTick(minutesElapsed_, source_.Interval());
    if (!tick.startRun) {
        listener_.CountdownTicked(tick.minutesLeft);
        return;
    }
    Run();
}

void RunController::Run() {
    BeginDownloads();
    minutesElapsed_ = 0;
    SetTimerEnabled(false);
    listener_.RunStarted();
    const size_t count = source_.QueueCount();
    size_t failed = 0;
    size_t unchanged = 0;
    for (size_t i = 0; i < count; ++i) {
        DoEvents();
        listener_.EntryStarting(i, count);
        const EntryReport report = DownloadEntry(i, source_.QueueEntry(i));
        if (!report.arrived) ++failed;
        if (report.unchanged) ++unchanged;
        listener_.EntryFinished(report);
        if (stopRequested_) {
            listener_.RunStopped();
            SetTimerEnabled(false);
            SaveRecords();
            EndDownloads();
            return;
        }
    }
    SaveRecords();
    listener_.RunCompleted({failed, count, unchanged});
    SetTimerEnabled(armed_);
    EndDownloads();
}

std::optional<EntryReport> RunController::DownloadOne(size_t position) {
    if (running_ || !lock_.Take()) return std::nullopt;
    BeginDownloads();
    EntryReport report = DownloadEntry(position, source_.QueueEntry(position));
    SaveRecords();
    EndDownloads();
    return report;
}

// What the other entries left is read first, so that it is saved again
// with what this run adds.
void RunController::BeginDownloads() {
    running_ = true;
    statuses_.BeginRun();
    LoadMemory();
}

void RunController::SaveRecords() {
    TrimRunLog(RunLogPath(setup_.programFolder));
    SaveMemory();
}

void RunController::EndDownloads() {
    running_ = false;
    if (!armed_) lock_.Give();
}

EntryReport RunController::DownloadEntry(size_t position, const std::wstring& entry) {
    entryInProgress_ = EntryInProgress{position, entry, GetTickCount64()};
    EntryReport report = NameAndDownload(position, entry);
    entryInProgress_.reset();
    statuses_.Record(
        entry, {report.arrived, report.unchanged, CurrentLocalTime(), report.result, report.bytes, report.targetPath});
    memoryChanged_ = true;
    return report;
}

EntryReport RunController::NameAndDownload(size_t position, const std::wstring& entry) {
    EntryReport report;
    report.position = position;
    report.entry = entry;
    const NamingChoice naming = source_.Naming();
    const std::optional<std::wstring> target =
        TargetPathOnDisk(entry, naming.convention, naming.customName, naming.folder);
    DoEvents();
    if (target) report.targetPath = *target;
    if (!target) {
        report.result = L"skipped: no usable file name";
    } else if (FileNameTooLong(*target)) {
        report.result = naming.convention == NamingConvention::Custom ? L"the custom name is too long for a file name"
                                                                      : L"the address is too long for a file name";
    } else {
        // A custom-named file never replaces one that appeared meanwhile.
        std::function<std::wstring()> nextFree;
        if (naming.convention == NamingConvention::Custom)
            nextFree = [=] {
                return TargetPathOnDisk(entry, naming.convention, naming.customName, naming.folder).value_or(L"");
            };
        const KnownCopy known = memory_.Known(entry, *target, naming.convention, naming.skipUnchanged);
        const DownloadOutcome outcome = downloader_.Download(entry, *target, nextFree, known);
        DropFromInternetCache(entry);
        if (memory_.Remember(entry, outcome)) memoryChanged_ = true;
        report.arrived = outcome.Succeeded();
        report.unchanged = outcome.unchanged;
        report.result = OutcomeText(outcome);
        report.bytes = outcome.bytes;
        report.elapsedMs = outcome.elapsedMs;
    }
    Log(report);
    return report;
}

// Exit and closing the window end the program before the download in
// flight returns; its entry still gets its line.
void RunController::Abandon() {
    downloader_.Cancel();
    if (entryInProgress_) {
        EntryReport cancelled;
        cancelled.position = entryInProgress_->position;
        cancelled.entry = entryInProgress_->entry;
        cancelled.result = L"cancelled";
        cancelled.elapsedMs = GetTickCount64() - entryInProgress_->startMs;
        Log(cancelled);
    }
    SaveMemory();
}

// Once per run, not per entry: each write holds every queued address.
// A state file that cannot be written costs the next run a whole download, nothing more.
void RunController::LoadMemory() {
    memory_.Load();
    for (const auto& [address, status] : memory_.Results()) statuses_.Remember(address, status);
}

void RunController::SaveMemory() {
    if (!memoryChanged_) return;
    const std::vector<std::wstring> queued = QueuedEntries();
    RememberedResults results;
    for (const std::wstring& entry : queued) {
        const EntryStatus status = statuses_.Of(entry);
        if (status.result != EntryResult::NotFetched) results[entry] = status;
    }
    memory_.KeepResults(std::move(results));
    if (memory_.Save(queued)) memoryChanged_ = false;
}

void RunController::Log(const EntryReport& report) {
    // The run stays silent: a log that cannot be written is not worth a message.
    // Outside the queue a password in an address is never shown.
    AppendToRunLog(RunLogPath(setup_.programFolder),
                   {CurrentLocalTime(), MaskedAddress(report.entry), report.result, report.bytes, report.elapsedMs});
}

std::vector<std::wstring> RunController::QueuedEntries() const {
    std::vector<std::wstring> entries;
    for (size_t i = 0; i < source_.QueueCount(); ++i) entries.push_back(source_.QueueEntry(i));
    return entries;
}

void RunController::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    if (enabled)
        SetTimer(setup_.tickWindow, setup_.tickTimerId, kScheduleTickMs, nullptr);
    else
        KillTimer(setup_.tickWindow, setup_.tickTimerId);
}
